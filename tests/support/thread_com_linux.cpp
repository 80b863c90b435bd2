#include "support/thread_com.h"

ThreadCom ThreadComState() {
    return ThreadCom::kNoComOnThisTarget;
}
