#include "cli/OffscreenGui.h"

#include "platform/qt/QtColors.h"

#include <cstdio>

namespace cli {

namespace {

void CriticalOnly(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "kyvadlo-run: %s\n", qUtf8Printable(message));
}

} // namespace

OffscreenGui::OffscreenGui()
{
    if (QGuiApplication::instance() == nullptr) {
        previousHandler_ = qInstallMessageHandler(CriticalOnly);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        text_ = std::make_unique<platform::qt::EngineTextBackend>();
    }
    platform::qt::FollowApplicationPalette();
}

OffscreenGui::~OffscreenGui()
{
    if (!application_)
        return;
    text_.reset();
    application_.reset();
    qInstallMessageHandler(previousHandler_);
}

} // namespace cli
