#include "fakes/FakeServices.h"

#include <algorithm>

#include "platform/Text.h"

namespace tarn::fakes {

Rect FakeScreen::MonitorRect(const Rect& pixels) const {
    // The monitor with the largest overlap, else the nearest by the distance of the centres.
    const Rect* best = &monitors.front();
    long long bestArea = -1;
    long long bestDistance = -1;
    for (const Rect& m : monitors) {
        const long long w = std::max(0, std::min(m.right, pixels.right) - std::max(m.left, pixels.left));
        const long long h = std::max(0, std::min(m.bottom, pixels.bottom) - std::max(m.top, pixels.top));
        const long long dx = (m.left + m.right) - (pixels.left + pixels.right);
        const long long dy = (m.top + m.bottom) - (pixels.top + pixels.bottom);
        const long long distance = dx * dx + dy * dy;
        if (w * h > bestArea || (w * h == 0 && bestArea == 0 && distance < bestDistance)) {
            best = &m;
            bestArea = w * h;
            bestDistance = distance;
        }
    }
    return *best;
}

int FakeShell::SmallIconIndex(const std::string& path) {
    if (iconRule) {
        if (const auto index = iconRule(path)) return *index;
    }
    if (const auto it = iconByPath.find(path); it != iconByPath.end()) return it->second;
    if (const auto it = iconByExtension.find(AsciiLower(ExtensionOf(path))); it != iconByExtension.end()) {
        return it->second;
    }
    return 1;
}

bool FakeShell::IsExecutable(const std::string& path) {
    const std::string ext = AsciiLower(ExtensionOf(path));
    return ext == "exe" || ext == "com" || ext == "bat";
}

std::string FakeShell::GetLinkTarget(const std::string& path) {
    ++linkQueries;
    if (linkRule) {
        if (auto target = linkRule(path)) return *std::move(target);
    }
    const auto it = links.find(path);
    return it == links.end() ? path : it->second;
}

}  // namespace tarn::fakes
