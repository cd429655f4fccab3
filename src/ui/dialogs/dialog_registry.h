#pragma once

class CQtOperator;
class CQuillmarkSystem;

// Tells the Qt operator which widget shows each dialog state, so that every document
// operation runs its dialogs on screen: the wizards, the band, confirmation, search, import,
// attribute and settings dialogs.
void RegisterDialogWidgets(CQtOperator& op, CQuillmarkSystem& settings);
