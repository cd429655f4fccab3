#pragma once

// The data and checks of one dialog or wizard, without any widget. The document fills a
// state object, hands it to IOperator::RunDialog and reads it back afterwards; the Qt binding
// finds the widget that shows a state by its dialog name, and the scripted operator of the
// tests fills it from its script. Each dialog or wizard of the program derives one.
class CDialogState {
public:
    virtual ~CDialogState() = default;

    // A stable name for the kind of dialog, normally its class name ("CLogDataConfirmDialog").
    virtual const char* GetDialogName() const = 0;

protected:
    CDialogState() = default;
    CDialogState(const CDialogState&) = default;
    CDialogState& operator=(const CDialogState&) = default;
};
