#include "platform/document_base.h"

#include <algorithm>

std::string CDocumentBase::GetTitle() const {
    const size_t slash = path_name_.find_last_of('/');
    return slash == std::string::npos ? path_name_ : path_name_.substr(slash + 1);
}

void CDocumentBase::SetPathName(const std::string& path, bool add_to_recent) {
    path_name_ = path;
    // A copy, because a listener may unregister itself while being told.
    const std::vector<IDocumentListener*> listeners = listeners_;
    for (IDocumentListener* listener : listeners) {
        if (IsListening(listener)) {
            listener->OnPathNameChanged(*this, add_to_recent);
        }
    }
}

void CDocumentBase::ClearPathName() {
    if (path_name_.empty()) {
        return;
    }
    SetPathName(std::string(), false);
}

void CDocumentBase::SetModifiedFlag(bool modified) {
    if (modified_ == modified) {
        return;
    }
    modified_ = modified;
    const std::vector<IDocumentListener*> listeners = listeners_;
    for (IDocumentListener* listener : listeners) {
        if (IsListening(listener)) {
            listener->OnModifiedChanged(*this);
        }
    }
}

void CDocumentBase::AddListener(IDocumentListener* listener) {
    if (listener != nullptr && !IsListening(listener)) {
        listeners_.push_back(listener);
    }
}

void CDocumentBase::RemoveListener(IDocumentListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void CDocumentBase::UpdateAllViews(int hint, const IDocumentListener* sender) {
    const std::vector<IDocumentListener*> listeners = listeners_;
    for (IDocumentListener* listener : listeners) {
        if (listener != sender && IsListening(listener)) {
            listener->OnUpdate(*this, hint);
        }
    }
}

bool CDocumentBase::IsListening(const IDocumentListener* listener) const {
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}
