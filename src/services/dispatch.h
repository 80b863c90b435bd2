// From a service number to its adapter.
#pragma once

#include <functional>

#include "text/text.h"

// Where the long address comes from: the window's input box, or the command line. It is read
// when a request is dispatched, not before.
void SetLongUrlSource(std::function<Text()> source);

// The text to show for the long address the source gives now, through service `serviceId`.
// Every number outside 1 to 11 goes to service 12.
Text ShortenWithService(int serviceId);

// The same, for a long address given directly.
Text ShortenAddressWithService(int serviceId, const Text& longUrl);
