#pragma once

#include <string>
#include <vector>

class CDocumentBase;

// What a view or frame learns from the document it shows. Every method has an empty default,
// so a listener overrides only what it draws from.
class IDocumentListener {
public:
    virtual ~IDocumentListener() = default;

    // The document changed; hint says what (-1 everything, -2 one entry appended, -3 the
    // description or a band's defaults, n >= 0 entry n of the active band).
    virtual void OnUpdate(CDocumentBase& document, int hint) {}
    // The path name changed (the title follows it); add_to_recent asks for the name to go
    // into the recent-file list.
    virtual void OnPathNameChanged(CDocumentBase& document, bool add_to_recent) {}
    virtual void OnModifiedChanged(CDocumentBase& document) {}
};

// The document half of the document/view pattern, without any window: the path name, the
// modified flag and the list of listeners (views, frames, the application's recent-file
// list) that it tells about updates. CQuillmarkDoc and the city code document derive from it.
// Listeners are not owned; a listener removes itself before it goes away, and may do so (or
// add others) while an update is being delivered.
class CDocumentBase {
public:
    // Update hint meaning "everything changed".
    static constexpr int kHintAll = -1;

    CDocumentBase() = default;
    CDocumentBase(const CDocumentBase&) = delete;
    CDocumentBase& operator=(const CDocumentBase&) = delete;
    virtual ~CDocumentBase() = default;

    const std::string& GetPathName() const { return path_name_; }
    // The file name without its folder; empty for a document that has no path yet.
    std::string GetTitle() const;
    void SetPathName(const std::string& path, bool add_to_recent = true);
    // Forgets the path (a document that was never saved).
    void ClearPathName();

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    void AddListener(IDocumentListener* listener);
    void RemoveListener(IDocumentListener* listener);
    int GetListenerCount() const { return static_cast<int>(listeners_.size()); }
    // Tells every listener except sender (the view that made the change, or null).
    void UpdateAllViews(int hint, const IDocumentListener* sender = nullptr);

    // Clears the document's data; the base has none.
    virtual void DeleteContents() {}

private:
    bool IsListening(const IDocumentListener* listener) const;

    std::string path_name_;
    bool modified_ = false;
    std::vector<IDocumentListener*> listeners_;
};
