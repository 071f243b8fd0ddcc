#include "ui/CWindow.h"

#include <vector>

std::string CWindow::Text() const {
    const int length = GetWindowTextLengthA(window_);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window_, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

std::string CWindow::ItemText(int id) const {
    return CWindow(Item(id)).Text();
}
