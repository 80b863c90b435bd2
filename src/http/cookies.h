// Carrying one cookie text from request to request by hand.
#pragma once

#include "text/text.h"

// Folds `newCookies` into `oldCookies`: a newer value replaces the first older one of the same
// name, new names follow in their order, and cookies whose value is empty or "deleted" drop out.
// Both texts lose their blanks; when `newCookies` is not empty, `oldCookies` becomes the merged
// text "name=value;" per cookie, which is also the result.
Text MergeCookies(Text& oldCookies, Text& newCookies);

// The name of one "name=value" item, trimmed; the whole item when it has no "=".
Text CookieName(const Text& item);

// The value of one item: everything after the first "=", untrimmed; empty when there is none.
Text CookieValue(const Text& item);
