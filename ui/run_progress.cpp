#include "ui/run_progress.h"

#include "core/completion_sound.h"
#include "core/program_texts.h"
#include "core/recycle_run.h"
#include "core/staging_list.h"
#include "ui/list_window.h"
#include "ui/main_window.h"
#include "ui/status_flash.h"

#include <atomic>
#include <string>

namespace {
// Paths sent so far by the worker, and whether a progress message is already on its way;
// one message stands for any number of sends, so the queue can never fill up.
std::atomic<int> pathsSent{0};
std::atomic<bool> progressPosted{false};
int pathsShown = 0;
int runTotal = 0;

void post(UINT message, WPARAM wParam = 0) {
    PostMessageA(mainWindow, message, wParam, 0);
}

std::string progressText(int count, int total) {
    return std::to_string(count) + "/" + std::to_string(total);
}

// Worker thread.
void workerFoundNoFiles() {
    flashStatus(texts::noFiles);
    post(runNoFilesMessage);
}
void workerStarted(int total) {
    post(runStartedMessage, static_cast<WPARAM>(total));
}
void workerSentPath() {
    pathsSent.fetch_add(1);
    if (!progressPosted.exchange(true))
        post(runProgressMessage);
}
void workerFinished(int total) {
    post(runFinishedMessage, static_cast<WPARAM>(total));
}

// User-interface thread.
void showProgress() {
    progressPosted = false;
    const int sent = pathsSent.load();
    while (pathsShown < sent) {
        ++pathsShown;
        --pendingCount;
        setRunCaption(progressText(pendingCount, runTotal));
        setLabelText(std::to_string(pendingCount));
    }
}

void onRunFinished() {
    showProgress();
    pendingCount = 0;
    setLabelText(texts::letsBegin);
    clearPending();
    refillListWindow();
    playCompletionSound();
    setRunCaption("");
    recycleRunEnded();
}
} // namespace

void connectRunProgress() {
    setRecycleRunEvents({workerFoundNoFiles, workerStarted, workerSentPath, workerFinished});
}

void onDeleteButtonClicked() {
    if (recycleRunGoing())
        return; // the run that is going sends every staged path already
    pathsSent = 0;
    pathsShown = 0;
    progressPosted = false;
    startRecycleRun();
}

bool onRunMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case runStartedMessage:
        runTotal = static_cast<int>(wParam);
        setRunCaption(progressText(runTotal, runTotal));
        return true;
    case runProgressMessage:
        showProgress();
        return true;
    case runFinishedMessage:
        onRunFinished();
        return true;
    case runNoFilesMessage:
        recycleRunEnded();
        return true;
    default:
        return false;
    }
}
