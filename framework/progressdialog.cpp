#include "framework/progressdialog.h"

#include "framework/waitcursor.h"
#include "framework/window.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QString>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr int ShowAfterMs = 500;
constexpr int Steps = 1000;

} // namespace

bool RunWithProgress(TWindow* owner, const std::string& caption,
                     const std::function<void(const TProgressReport&)>& work) {
    const TWaitCursor wait;
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work([&](int permille) {
            done = permille;
            return !cancelled;
        });
        finished = true;
    });

    QProgressDialog bar(QString::fromStdString(caption), QStringLiteral("Cancel"), 0, Steps,
                        owner ? owner->GetHandle() : nullptr);
    bar.setWindowTitle(QString::fromStdString(caption));
    bar.setWindowModality(Qt::WindowModal);
    bar.setMinimumDuration(ShowAfterMs);
    bar.setAutoReset(false);
    bar.setValue(0);
    while (!finished) {
        // Until the bar shows, the window only paints: no click may start
        // another command meanwhile. The modal bar keeps clicks off it later.
        QCoreApplication::processEvents(bar.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
        if (bar.wasCanceled())
            cancelled = true;
        else if (bar.isVisible())
            bar.setValue(std::min(static_cast<int>(done), Steps - 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    worker.join();
    return !cancelled;
}
