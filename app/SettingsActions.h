#pragma once
#include "settings/SettingsDocument.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class DecoderDocument;
class DecoderSession;
class QAction;
class QWidget;

// The window's settings as data: "Änderungen anzeigen…" (Ctrl+D) lists what
// differs from the file loaded, "Einstellungen exportieren…" writes the
// document of what the window shows, "Einstellungen übernehmen…" applies a
// document as one undo step. All three read the window's document; the rules
// are the settings core's, as on the command line.
class SettingsActions : public QObject {
    Q_OBJECT

public:
    // window: the parent of the dialogs.
    SettingsActions(DecoderDocument &document, QWidget *window);

    // "Änderungen anzeigen…", for the window's keys.
    QAction *showChangesAction() const { return diffAction_; }
    // The actions in the right-click menu of panel.
    void addTo(QWidget *panel);

    // What "Änderungen anzeigen…" shows.
    QString changesText();
    void showChanges();
    void exportSettings();
    void applySettings();

signals:
    // An action on the document is about to start or is complete (an edit
    // still typed is a step of its own before settings are applied).
    void actionFinished();

private:
    // The session as the window shows it: the slot edits written (and the
    // working copies that wait applied, withCopies); nothing after the
    // message for an edit the rules refuse.
    std::unique_ptr<DecoderSession> shownSession(bool withCopies = false);
    QJsonObject documentOf(DecoderSession &session) const;
    // The document with the working copies that wait applied; the window is
    // left as it was.
    std::optional<QJsonObject> documentWithWorkingCopies();
    void updateEnabled();

    DecoderDocument &document_;
    QWidget *window_;
    QAction *diffAction_;
    QAction *exportAction_;
    QAction *applyAction_;
};
