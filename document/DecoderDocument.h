#pragma once
#include "decoder/DecoderSession.h"
#include "frames/FrameState.h"
#include "image/FileFingerprint.h"
#include "image/ImageSnapshot.h"
#include "settings/SettingsDocument.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

struct RecoveryDocument;

// Everything the main window edits, in one place: the decoder session (image,
// type, slots), what the slot grid shows that is not in the image yet (the
// texts as typed, red or green), the working copy of the editor shown, and
// the file's identity as loaded or last saved. The grid, the editors, the
// history, the recovery file, the settings export and "what changed" all
// read and write this document; "unsaved" is a comparison with its baseline.
class DecoderDocument : public QObject {
    Q_OBJECT

public:
    static constexpr int Slots = DecoderSlotCount;

    // The file behind the document: where it is, its bytes and what was found
    // damaged in them, as loaded or last saved.
    struct Identity {
        QString path;
        QByteArray content;
        QStringList damageFindings;
        // The SHA-256 of the bytes, in hex.
        QByteArray sha256() const;
    };

    // An editor's working copy, with the editor's name (see EditorKinds).
    struct EditorCopy {
        QString editor;
        std::shared_ptr<const FrameState> copy;
    };

    // What the user edits: an undo step is a copy of it, and the unsaved
    // marker compares it with the baseline. The file's identity is not part
    // of it.
    struct Edits {
        // Shared between copies (the history keeps a state twice); a captured
        // image is never changed.
        std::shared_ptr<const ImageSnapshot> image;
        std::array<QString, Slots> addressTexts;
        std::array<QString, Slots> functionTexts;
        std::array<bool, Slots> green{};
        std::vector<EditorCopy> editors;

        bool operator==(const Edits &other) const;
    };

    explicit DecoderDocument(QObject *parent = nullptr);

    DecoderSession &session() { return session_; }
    const DecoderSession &session() const { return session_; }
    // True once a file was opened.
    bool hasFile() const { return hasFile_; }
    const Identity &identity() const { return identity_; }
    // The session of the file as loaded or last saved, before an editor
    // corrected anything: what "what changed" compares with.
    const DecoderSession &fileSession() const { return *fileSession_; }

    // ---- the slot grid's texts ----
    const QString &addressText(int s) const { return addressTexts_[static_cast<std::size_t>(s)]; }
    const QString &functionText(int s) const { return functionTexts_[static_cast<std::size_t>(s)]; }
    const std::array<QString, Slots> &addressTexts() const { return addressTexts_; }
    const std::array<QString, Slots> &functionTexts() const { return functionTexts_; }
    void setAddressText(int s, const QString &text);
    void setFunctionText(int s, const QString &text);
    // The session's slot values as the texts.
    void showSlotValues();
    // Validates the texts and writes the slots into the image; the fault
    // with its message otherwise.
    std::optional<SlotFault> writeSlots() { return session_.writeSlots(addressTexts_, functionTexts_); }

    // The session as the window shows it, on a copy: the slot texts written
    // and, withCopies, the working copies that wait applied. The document
    // stays as it is. No session, but the fault, when a slot text is refused.
    struct Shown {
        std::unique_ptr<DecoderSession> session;
        std::optional<SlotFault> fault;
    };
    Shown shownSession(bool withCopies) const;
    // The file the window shows, as the settings document names it.
    Settings::Source source() const;

    // ---- the editors' working copies ----
    const std::vector<EditorCopy> &editorCopies() const { return editors_; }
    std::shared_ptr<const FrameState> editorCopy(const QString &editor) const;
    // A null copy drops the editor's.
    void setEditorCopy(const QString &editor, std::shared_ptr<const FrameState> copy);
    // The editors whose working copies hold changes not in the image yet.
    QStringList waitingEditors() const;
    // The editor's working copy goes into the image, as its take-over button
    // does; the editor is told (editorCopyApplied).
    void applyEditorCopy(const QString &editor);

    Edits edits() const;
    // Puts the edits back (an undo, a redo); the views show them again on
    // restored(). asShown: the editors show the curve or address they showed
    // when the copy was taken, as work brought back after an end.
    void restore(const Edits &edits, bool asShown = false);
    bool restoringAsShown() const { return asShown_; }
    // Work kept over the file just opened comes back; the history starts
    // there, the baseline stays the file's.
    void bringBack(const Edits &edits);
    // Brings kept work back: the file it started from loads as a file does,
    // then the work comes back over it. The working copies of editors that
    // the file's type does not show are left out and counted; a file whose
    // bytes do not load leaves the document as it was, with the load's error.
    struct Restored {
        std::optional<UserMessage> error;
        int copiesLeftOut = 0;
    };
    Restored restoreKept(const RecoveryDocument &kept);
    // True while the document is opened or restored, or a Quiet lives: what
    // changes then is no user's action.
    bool isBusy() const { return busy_ > 0; }
    class Quiet {
    public:
        explicit Quiet(DecoderDocument &document) : document_(document) { ++document_.busy_; }
        ~Quiet() { --document_.busy_; }
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;

    private:
        DecoderDocument &document_;
    };
    // Settings applied as a whole: the session takes their values, the texts
    // show its slots, the editors load afresh.
    void replaceSession(DecoderSession &&changed);

    // ---- the file and the baseline ----
    // A session just loaded from the identity's bytes becomes the document:
    // the texts show its slots, no working copies, no baseline until the
    // window has shown it (takeBaseline).
    // lines: what reading the file found (the status bar shows it).
    void open(DecoderSession &&loaded, Identity identity, const HexLoadResult &lines);
    const HexLoadResult &readResult() const { return readResult_; }
    bool isModified() const { return hasBaseline_ && !(edits() == baseline_); }
    // The image was written to path as content and read back: the identity and
    // the baseline move to that file, and the slots show what it stores (an
    // unused slot, for one, reads red whatever was chosen).
    void saved(const QString &path, const QByteArray &content);
    // Work brought back over a file that changed after the work was kept: the
    // file's fingerprint the work started from, until the work is saved or
    // given up (a save over that file asks first).
    const std::optional<FileFingerprint> &changedBase() const { return changedBase_; }
    void setChangedBase(std::optional<FileFingerprint> base) { changedBase_ = std::move(base); }

signals:
    // A new file is in the document: the views show it.
    void opened();
    // The file was opened and shown, or work brought back: the history
    // starts afresh.
    void started();
    // The document was saved: what it holds is the file's now.
    void fileSaved();
    // The path or the damage findings changed.
    void identityChanged();
    // The edits were replaced as a whole: the views show them again.
    void restored();
    // The editor's working copy is in the image now; nothing of it waits.
    void editorCopyApplied(const QString &editor);

private:
    void takeBaseline();
    void showStoredSlots();

    DecoderSession session_;
    std::unique_ptr<DecoderSession> fileSession_;
    Identity identity_;
    std::array<QString, Slots> addressTexts_;
    std::array<QString, Slots> functionTexts_;
    std::vector<EditorCopy> editors_;
    Edits baseline_;
    bool hasBaseline_ = false;
    bool hasFile_ = false;
    bool asShown_ = false;
    int busy_ = 0;
    HexLoadResult readResult_;
    std::optional<FileFingerprint> changedBase_;
};
