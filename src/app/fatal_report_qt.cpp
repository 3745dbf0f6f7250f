#include "app/fatal_report_qt.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

#include "common/fatal.h"
#include "ui/events.h"

namespace marrowick {
namespace {

EventRouter* reporting_router = nullptr;

QString describe(const FatalFailure& failure) {
    if (failure.kind == FatalFailure::Kind::OutOfMemory) {
        return QStringLiteral("内存不足：无法分配 %1 字节。").arg(failure.bytes_requested);
    }
    return QStringLiteral("无法创建 %1。")
        .arg(QString::fromUtf8(failure.what.data(), static_cast<qsizetype>(failure.what.size())));
}

void report_and_end(const FatalFailure& failure) {
    if (reporting_router != nullptr) {
        reporting_router->hold_events();
    }
    const QString message = describe(failure);
    std::fprintf(stderr, "marrowick_gui: %s\n", message.toUtf8().constData());
    if (qApp != nullptr) {
        // Modal, with no owner window.
        QMessageBox::critical(nullptr, QStringLiteral("Marrowick_GUI"), message);
    }
    std::_Exit(255);
}

}  // namespace

void install_fatal_report(EventRouter& router) {
    reporting_router = &router;
    set_fatal_handler(report_and_end);
}

}  // namespace marrowick
