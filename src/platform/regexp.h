// The platform's regular-expression component, on UTF-16 text: the "VBScript.RegExp" automation
// object on Windows, driven by late-bound calls by name; on Linux our own layer over PCRE2 that
// gives that object's results.
//
// Every object is held through a counted reference; the last reference releases it. Every
// failure is silent: an empty reference, empty text, 0 or false.
#pragma once

#include <memory>
#include <string>

namespace platform {

using WideText = std::u16string;

// Makes the component usable on the calling thread (COM on Windows, nothing on Linux). True
// when the thread must give it back with RegExpThreadEnd, on the same thread, once every object
// made on it has been released.
bool RegExpThreadBegin();
void RegExpThreadEnd();

// One object of the component: a pattern object, a match collection, a match or a group
// collection. Its contents differ by target.
struct RegExpObject;
using RegExpRef = std::shared_ptr<RegExpObject>;

enum class RegExpOption { kIgnoreCase, kMultiline, kGlobal };

// A new pattern object: empty pattern, every option false.
RegExpRef NewPatternObject();

bool SetOption(const RegExpRef& pattern, RegExpOption option, bool value);
bool GetOption(const RegExpRef& pattern, RegExpOption option);
bool SetPatternText(const RegExpRef& pattern, const WideText& text);
WideText GetPatternText(const RegExpRef& pattern);

// The match collection of a search of `subject` ("Execute"); empty when the pattern is not valid
// or the search failed.
RegExpRef Execute(const RegExpRef& pattern, const WideText& subject);

// `subject` with the matches replaced by `replacement`, whose group references ($1 to $99, $&,
// $`, $', $$) the component expands.
WideText Replace(const RegExpRef& pattern, const WideText& subject, const WideText& replacement);

// "Count" of a match collection or of a group collection.
int ItemCount(const RegExpRef& collection);

// Match `index` (from 0) of a match collection.
RegExpRef MatchAt(const RegExpRef& matches, int index);

WideText MatchValue(const RegExpRef& match);
// The number of UTF-16 units before the match; -1 when it cannot be read.
int MatchFirstIndex(const RegExpRef& match);
RegExpRef MatchGroups(const RegExpRef& match);

// The text of group `index` (from 0) of a group collection; empty when the group took part in
// no capture.
WideText GroupText(const RegExpRef& groups, int index);

}  // namespace platform
