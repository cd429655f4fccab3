#pragma once

#include <string>

class CCityCodeData_MainDataOrganization;
class CCommandActions;
class CQuillmarkSystem;
class ICityCodeResultSink;
class IOpenDocuments;
class IOperator;
class CChildFrame;
class CDocumentBase;

// What a child window needs from the application around it: the operator binding, the
// settings, the commands (for its context menus), the other open documents and city code
// databases, and printing. The application implements it; frames never reach for the
// application object itself.
class IFrameServices {
public:
    virtual ~IFrameServices() = default;

    virtual IOperator& Operator() = 0;
    virtual CQuillmarkSystem& Settings() = 0;
    virtual CCommandActions& Commands() = 0;
    virtual const IOpenDocuments& OpenDocuments() const = 0;
    virtual ICityCodeResultSink& CityCodeResults() = 0;
    virtual const CCityCodeData_MainDataOrganization* CityCodes() const = 0;
    // Prints what the frame shows (or previews it).
    virtual void Print(CChildFrame& frame, bool preview) = 0;
    // The name a document goes by: its file name, or "Quillmark1" … while it has none.
    virtual std::string DisplayNameOf(const CDocumentBase& document) = 0;
};
