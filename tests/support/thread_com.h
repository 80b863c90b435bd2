// Whether COM is initialised on the calling thread, for the tests of the pattern matcher's
// thread set-up.
#pragma once

enum class ThreadCom { kNotInitialised, kInitialised, kNoComOnThisTarget };

ThreadCom ThreadComState();
