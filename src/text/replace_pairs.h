// Up to five find-and-replace passes over a text, each over the result of the one before.
#pragma once

#include "text/text.h"

constexpr int kNoLimit = -1;

// `count` replacements at most per pair (negative: no limit), from byte position `start` (from 1;
// below 1 counts as 1). Letters match in any case unless `caseSensitive`. An empty find text
// leaves the text as it is. A match never begins on the second byte of a two-byte character.
Text ReplacePairs(const Text& text, int count, int start, bool caseSensitive, const Text& find1,
                  const Text& replace1, const Text& find2 = Text(), const Text& replace2 = Text(),
                  const Text& find3 = Text(), const Text& replace3 = Text(),
                  const Text& find4 = Text(), const Text& replace4 = Text(),
                  const Text& find5 = Text(), const Text& replace5 = Text());

// The one-pair form the adapters use: every match, from the start, letters in any case.
Text ReplacePairs(const Text& text, const Text& find1, const Text& replace1);
