#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

// Wine's GetGuiResources counts nothing, so the benchmarks count the GDI handles still free instead: every
// leaked bitmap, font, brush or image list takes some of them.
inline std::size_t FreeGdiHandles() {
    std::vector<HBITMAP> probes;
    while (probes.size() < 200000) {
        const HBITMAP probe = CreateBitmap(1, 1, 1, 1, nullptr);
        if (probe == nullptr) break;
        probes.push_back(probe);
    }
    for (const HBITMAP probe : probes) DeleteObject(probe);
    return probes.size();
}
