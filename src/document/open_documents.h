#pragma once

#include <vector>

class CQuillmarkDoc;

// The contest log documents the application has open, as the document asks for them (the
// import looks among them for logs of the same contest). The application implements it over
// its document templates; tests implement it over a few documents of their own. Documents
// are not owned and stay open while an operation that asked for them runs.
class IOpenDocuments {
public:
    virtual ~IOpenDocuments() = default;

    // Every open contest log document, in the application's order (template by template,
    // then document by document); the asking document may be among them.
    virtual std::vector<const CQuillmarkDoc*> GetContestDocuments() const = 0;
};

// The simplest list: documents added by whoever keeps them, in the order added.
class COpenDocumentList : public IOpenDocuments {
public:
    void Add(const CQuillmarkDoc* document) {
        if (document != nullptr) {
            documents_.push_back(document);
        }
    }
    void Clear() { documents_.clear(); }
    std::vector<const CQuillmarkDoc*> GetContestDocuments() const override { return documents_; }

private:
    std::vector<const CQuillmarkDoc*> documents_;
};
