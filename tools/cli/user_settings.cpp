#include "user_settings.h"

#ifdef QUILLMARK_HAVE_QT
#include "settings/qt/settings_store_qt.h"
#endif

CQuillmarkSystem UserSettings() {
    CQuillmarkSystem settings;
#ifdef QUILLMARK_HAVE_QT
    const CQtSettingsStore store;
    settings.Load(store);
    settings.Validate(false);
#endif
    return settings;
}

Cp932 DefaultPunctuationMarks() {
    return UserSettings().GetPunctuationMarks();
}
