#include "platform/framework/DialogWatcher.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<DialogWatcher*>& Watchers() {
    static std::vector<DialogWatcher*> watchers;
    return watchers;
}

// A copy, so that a watcher may add or remove watchers while it is told.
template <typename Call>
void TellAll(Call call) {
    std::vector<DialogWatcher*> watchers = Watchers();
    for (DialogWatcher* watcher : watchers) call(*watcher);
}

} // namespace

DialogWatcher::~DialogWatcher() {
    Remove(this);
}

void DialogWatcher::Add(DialogWatcher* watcher) {
    if (std::find(Watchers().begin(), Watchers().end(), watcher) == Watchers().end()) Watchers().push_back(watcher);
}

void DialogWatcher::Remove(DialogWatcher* watcher) {
    auto& watchers = Watchers();
    watchers.erase(std::remove(watchers.begin(), watchers.end(), watcher), watchers.end());
}

void DialogWatcher::TellOpened(CDialog& dialog) {
    TellAll([&](DialogWatcher& w) { w.DialogOpened(dialog); });
}

void DialogWatcher::TellEnded(CDialog& dialog) {
    TellAll([&](DialogWatcher& w) { w.DialogEnded(dialog); });
}

void DialogWatcher::TellRowChosen(CDialog& dialog, int nListId, int nRow) {
    TellAll([&](DialogWatcher& w) { w.RowChosen(dialog, nListId, nRow); });
}

void DialogWatcher::TellFieldLeft(CDialog& dialog, int nEditId) {
    TellAll([&](DialogWatcher& w) { w.FieldLeft(dialog, nEditId); });
}

void DialogWatcher::TellCommandDone(CDialog& dialog, int nID) {
    TellAll([&](DialogWatcher& w) { w.CommandDone(dialog, nID); });
}
