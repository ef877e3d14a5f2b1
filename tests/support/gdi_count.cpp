// Counting live GDI objects through the slots of new handles.
#include "tests/support/gdi_count.h"

#include <windows.h>

#include <vector>

int LiveGdiObjects() {
    constexpr int kProbes = 2048;  // more than the free slots of any test process here
    std::vector<HBRUSH> probes;
    unsigned highest = 0;
    for (int k = 0; k < kProbes; ++k) {
        HBRUSH probe = CreateSolidBrush(RGB(9, 9, 9));
        if (probe == nullptr) break;
        const unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
        if (slot > highest) highest = slot;
        probes.push_back(probe);
    }
    for (HBRUSH probe : probes) DeleteObject(probe);
    return static_cast<int>(highest) - static_cast<int>(probes.size());
}
