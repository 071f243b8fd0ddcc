#include "platform/CTimeScale.h"

namespace {
UINT g_divisor = 1;
}

UINT CTimeScale::Period(UINT milliseconds) {
    const UINT scaled = milliseconds / g_divisor;
    return scaled == 0 ? 1 : scaled;
}

void CTimeScale::Sleep(DWORD milliseconds) {
    if (milliseconds != 0)
        ::Sleep(Period(milliseconds));
}

void CTimeScale::SetDivisor(UINT divisor) {
    g_divisor = divisor == 0 ? 1 : divisor;
}
