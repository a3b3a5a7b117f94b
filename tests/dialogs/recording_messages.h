#pragma once
#include <QStringList>

#include "dialogs/dialog_messages.h"

// Keeps every refusal a dialog reports instead of showing a box.
struct RecordingMessages : zoquel::DialogMessages {
    QStringList texts, captions;
    void refuse(QWidget*, const QString& text, const QString& caption) override {
        texts << text;
        captions << caption;
    }
};
