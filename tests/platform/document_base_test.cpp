#include "platform/document_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what it is told; can remove itself or another listener when updated.
struct Recorder : IDocumentListener {
    void OnUpdate(CDocumentBase& document, int hint) override {
        hints.push_back(hint);
        if (remove_on_update != nullptr) {
            document.RemoveListener(remove_on_update);
        }
    }
    void OnPathNameChanged(CDocumentBase& document, bool add_to_recent) override {
        paths.push_back(document.GetPathName() + (add_to_recent ? " +recent" : ""));
    }
    void OnModifiedChanged(CDocumentBase& document) override {
        modified.push_back(document.IsModified());
    }
    std::vector<int> hints;
    std::vector<std::string> paths;
    std::vector<bool> modified;
    IDocumentListener* remove_on_update = nullptr;
};

// The title is the file name without its folder; the modified flag is told only when it
// changes; an update reaches every listener but the sender.
TEST(DocumentBase, ChangesAreToldToTheListenersAndThePathNamesTheTitle) {
    CDocumentBase document;
    Recorder recorder;
    document.AddListener(&recorder);
    EXPECT_EQ(document.GetTitle(), "");
    document.SetPathName("/home/op/logs/contest.qmk");
    EXPECT_EQ(document.GetTitle(), "contest.qmk");
    document.SetPathName("plain.qmk", false);
    EXPECT_EQ(document.GetTitle(), "plain.qmk");
    document.ClearPathName();
    document.ClearPathName();
    EXPECT_EQ(recorder.paths,
              (std::vector<std::string>{"/home/op/logs/contest.qmk +recent", "plain.qmk", ""}));
    document.SetModifiedFlag();
    document.SetModifiedFlag(true);
    document.SetModifiedFlag(false);
    document.SetModifiedFlag(false);
    EXPECT_EQ(recorder.modified, (std::vector<bool>{true, false}));
    Recorder b;
    document.AddListener(&b);
    document.AddListener(&recorder);  // registered once only
    EXPECT_EQ(document.GetListenerCount(), 2);
    document.UpdateAllViews(-2, &recorder);
    document.UpdateAllViews(5);
    EXPECT_EQ(recorder.hints, std::vector<int>{5});
    EXPECT_EQ(b.hints, (std::vector<int>{-2, 5}));
}

TEST(DocumentBase, ListenersRemovedDuringAnUpdateAreNotCalledAfterwards) {
    CDocumentBase document;
    Recorder self;
    Recorder removed;
    Recorder other;
    self.remove_on_update = &self;
    other.remove_on_update = &removed;
    document.AddListener(&self);
    document.AddListener(&other);
    document.AddListener(&removed);
    document.UpdateAllViews(-3);
    document.UpdateAllViews(-1);
    EXPECT_EQ(self.hints, std::vector<int>{-3});
    EXPECT_EQ(other.hints, (std::vector<int>{-3, -1}));
    EXPECT_TRUE(removed.hints.empty());
    document.RemoveListener(nullptr);
    document.AddListener(nullptr);
    EXPECT_EQ(document.GetListenerCount(), 1);
}

}  // namespace
