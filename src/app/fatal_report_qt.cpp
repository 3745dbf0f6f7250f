#include "app/fatal_report_qt.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "common/fatal.h"
#include "ui/events.h"

namespace marrowick {
namespace {

EventRouter* reporting_router = nullptr;
bool reporting = false;

QString describe(const FatalFailure& failure) {
    if (failure.kind == FatalFailure::Kind::OutOfMemory) {
        if (failure.bytes_requested == 0) {
            return QStringLiteral("内存不足。");  // the toolkit's or the library's memory
        }
        return QStringLiteral("内存不足：无法分配 %1 字节。").arg(failure.bytes_requested);
    }
    return QStringLiteral("无法创建 %1。")
        .arg(QString::fromUtf8(failure.what.data(), static_cast<qsizetype>(failure.what.size())));
}

void report_and_end(const FatalFailure& failure) {
    if (reporting) {
        std::_Exit(255);  // the report itself failed, most likely for want of memory
    }
    reporting = true;
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
    // Memory that runs out outside the texts (in the toolkit, in a string of the launcher) is
    // fatal in the same way, instead of an exception that would end the process unreported.
    std::set_new_handler([] {
        fail_fatally({.kind = FatalFailure::Kind::OutOfMemory, .bytes_requested = 0, .what = {}});
    });
}

}  // namespace marrowick
