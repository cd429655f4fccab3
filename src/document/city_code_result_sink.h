#pragma once

#include "platform/cp932.h"

class CCityCodeData_CityCodeDataItem;

// One new, unsaved city code document that receives the records a search found. The
// application owns the document; this handle stays usable until Close or the end of the
// command that opened it.
class ICityCodeResultDocument {
public:
    virtual ~ICityCodeResultDocument() = default;

    virtual void SetTitle(const Cp932& title) = 0;
    virtual void AddItem(const CCityCodeData_CityCodeDataItem& item) = 0;
    virtual void UpdateAllViews() = 0;
    // Closes the document (a search that found nothing).
    virtual void Close() = 0;
};

// Where a city code search from a contest log puts its results: the application opens a new
// empty city code document in its own window. Tests record what arrives instead.
class ICityCodeResultSink {
public:
    virtual ~ICityCodeResultSink() = default;

    // A new empty city code document, or null when none can be opened.
    virtual ICityCodeResultDocument* OpenNewDocument() = 0;
};
