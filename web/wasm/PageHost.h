#pragma once

#include "web/core/RunHost.h"

#include <functional>

namespace web {

// The page's side of the run control: every request goes to the JavaScript
// object the page has set as Module.kyvadloPage.
class PageHost final : public RunHost {
public:
    void Schedule(int milliseconds) override;
    void Dispatching() override;
    void DrawFrame(double length, double fi) override;
    void SetClearEnabled(bool enabled) override;
    void ShowError(const std::string& text) override;

    // Draws a frame into the page's figure, where the page has one, before
    // the script is told of it.
    std::function<void(double length, double fi)> OnDrawFrame;
};

} // namespace web
