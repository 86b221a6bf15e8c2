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
    }
    platform::qt::FollowApplicationPalette();
}

OffscreenGui::~OffscreenGui()
{
    if (!application_)
        return;
    application_.reset();
    qInstallMessageHandler(previousHandler_);
}

} // namespace cli
