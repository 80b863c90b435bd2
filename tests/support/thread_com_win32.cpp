#include <objbase.h>
#include <windows.h>

#include "support/thread_com.h"

ThreadCom ThreadComState() {
    using GetApartmentTypeFn = HRESULT(WINAPI*)(APTTYPE*, APTTYPEQUALIFIER*);
    static const auto getApartmentType = reinterpret_cast<GetApartmentTypeFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("ole32.dll"), "CoGetApartmentType")));
    if (!getApartmentType) return ThreadCom::kNoComOnThisTarget;
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return getApartmentType(&type, &qualifier) == CO_E_NOTINITIALIZED ? ThreadCom::kNotInitialised
                                                                      : ThreadCom::kInitialised;
}
