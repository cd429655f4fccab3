#pragma once

#include <string>

class CQuillmarkDoc;
class IOperator;

// The file commands around a contest log document: save under its name or a new one, and
// the question before a modified document is closed. The document itself writes the file
// and reports a failed write; these only decide what to write where.
namespace document_saving {

// The name the document shows: its file name, or display_name when it has none yet.
std::string TitleOf(const CQuillmarkDoc& document, const std::string& display_name);
// Saves to the document's path, or asks for one when it has none (or save_as is set, or
// the document is read-only; saved under the new name it is read-only no more).
// False when the operator cancelled or the write failed (the document stays modified).
bool DoSave(CQuillmarkDoc& document, IOperator& op, bool save_as, const std::string& display_name);
// Before closing: a modified document asks "… への変更を保存しますか?" (Yes saves, No
// discards, Cancel keeps the document open). True when the document may close.
bool SaveModified(CQuillmarkDoc& document, IOperator& op, const std::string& display_name);

}  // namespace document_saving
