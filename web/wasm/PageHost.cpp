#include "web/wasm/PageHost.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, PageSchedule, (int milliseconds), { Module.kyvadloPage.schedule(milliseconds); });
EM_JS(void, PageDispatching, (), { Module.kyvadloPage.dispatching(); });
EM_JS(void, PageDrawFrame, (double length, double fi), { Module.kyvadloPage.drawFrame(length, fi); });
EM_JS(void, PageSetClearEnabled, (int enabled), { Module.kyvadloPage.setClearEnabled(enabled !== 0); });
EM_JS(void, PageShowError, (const char* text), { Module.kyvadloPage.showError(UTF8ToString(text)); });
// clang-format on

namespace web {

void PageHost::Schedule(int milliseconds)
{
    PageSchedule(milliseconds);
}

void PageHost::Dispatching()
{
    PageDispatching();
}

void PageHost::DrawFrame(double length, double fi)
{
    if (OnDrawFrame)
        OnDrawFrame(length, fi);
    PageDrawFrame(length, fi);
}

void PageHost::SetClearEnabled(bool enabled)
{
    PageSetClearEnabled(enabled ? 1 : 0);
}

void PageHost::ShowError(const std::string& text)
{
    PageShowError(text.c_str());
}

} // namespace web
