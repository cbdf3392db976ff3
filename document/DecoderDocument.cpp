#include "document/DecoderDocument.h"

#include "settings/EditorKinds.h"
#include "document/RecoveryDocument.h"
#include "image/SafeFile.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

QByteArray DecoderDocument::Identity::sha256() const
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

bool DecoderDocument::Edits::operator==(const Edits &other) const
{
    const bool sameImage = image == other.image || (image && other.image && image->sameContent(*other.image));
    if (!sameImage || addressTexts != other.addressTexts || functionTexts != other.functionTexts
        || green != other.green || editors.size() != other.editors.size())
        return false;
    for (std::size_t e = 0; e < editors.size(); ++e) {
        const FrameState *a = editors[e].copy.get();
        const FrameState *b = other.editors[e].copy.get();
        if (editors[e].editor != other.editors[e].editor || (a == nullptr) != (b == nullptr) || (a && !a->sameAs(*b)))
            return false;
    }
    return true;
}

DecoderDocument::DecoderDocument(QObject *parent)
    : QObject(parent), fileSession_(std::make_unique<DecoderSession>())
{
    setObjectName(QStringLiteral("document"));
}

void DecoderDocument::setAddressText(int s, const QString &text)
{
    addressTexts_.at(static_cast<std::size_t>(s)) = text;
}

void DecoderDocument::setFunctionText(int s, const QString &text)
{
    functionTexts_.at(static_cast<std::size_t>(s)) = text;
}

void DecoderDocument::showSlotValues()
{
    for (std::size_t s = 0; s < Slots; ++s) {
        addressTexts_[s] = QString::number(session_.slotValues[s].address);
        functionTexts_[s] = QString::number(session_.slotValues[s].function);
    }
}

std::shared_ptr<const FrameState> DecoderDocument::editorCopy(const QString &editor) const
{
    const auto found = std::find_if(editors_.begin(), editors_.end(), [&editor](const EditorCopy &c) { return c.editor == editor; });
    return found == editors_.end() ? nullptr : found->copy;
}

void DecoderDocument::setEditorCopy(const QString &editor, std::shared_ptr<const FrameState> copy)
{
    const auto found = std::find_if(editors_.begin(), editors_.end(), [&editor](const EditorCopy &c) { return c.editor == editor; });
    if (!copy) {
        if (found != editors_.end())
            editors_.erase(found);
    } else if (found != editors_.end()) {
        found->copy = std::move(copy);
    } else {
        editors_.push_back({editor, std::move(copy)});
    }
}

QStringList DecoderDocument::waitingEditors() const
{
    QStringList waiting;
    for (const EditorCopy &c : editors_) {
        const EditorKind *kind = editorKindNamed(c.editor);
        if (kind && kind->waits && c.copy && kind->waits(*c.copy))
            waiting << c.editor;
    }
    return waiting;
}

void DecoderDocument::applyEditorCopy(const QString &editor)
{
    const EditorKind *kind = editorKindNamed(editor);
    const std::shared_ptr<const FrameState> copy = editorCopy(editor);
    if (!kind || !kind->apply || !copy)
        return;
    const Quiet quiet(*this);
    setEditorCopy(editor, kind->apply(session_, *copy));
    emit editorCopyApplied(editor);
}

DecoderDocument::Shown DecoderDocument::shownSession(bool withCopies) const
{
    Shown shown{std::make_unique<DecoderSession>(session_), std::nullopt};
    if (withCopies) {
        for (const QString &editor : waitingEditors())
            editorKindNamed(editor)->apply(*shown.session, *editorCopy(editor));
    }
    if (auto fault = shown.session->writeSlots(addressTexts_, functionTexts_)) {
        shown.session.reset();
        shown.fault = std::move(fault);
    }
    return shown;
}

Settings::Source DecoderDocument::source() const
{
    return {shownPath(QFileInfo(identity_.path).fileName()), identity_.content, readResult_.version};
}

DecoderDocument::Edits DecoderDocument::edits() const
{
    Edits edits;
    edits.image = std::make_shared<const ImageSnapshot>(session_.image);
    edits.addressTexts = addressTexts_;
    edits.functionTexts = functionTexts_;
    for (std::size_t s = 0; s < Slots; ++s)
        edits.green[s] = session_.slotValues[s].green;
    edits.editors = editors_;
    return edits;
}

void DecoderDocument::restore(const Edits &edits, bool asShown)
{
    ++busy_;
    asShown_ = asShown;
    session_.image = edits.image->image();
    addressTexts_ = edits.addressTexts;
    functionTexts_ = edits.functionTexts;
    for (std::size_t s = 0; s < Slots; ++s)
        session_.slotValues[s].green = edits.green[s];
    editors_ = edits.editors;
    emit restored();
    asShown_ = false;
    --busy_;
}

void DecoderDocument::bringBack(const Edits &edits)
{
    restore(edits, true);
    emit started();
}

DecoderDocument::Restored DecoderDocument::restoreKept(const RecoveryDocument &kept)
{
    const QByteArray content = kept.loadedContent();
    auto loaded = std::make_unique<DecoderSession>();
    const DecoderSession::LoadOutcome outcome = loaded->load(content);
    if (outcome.error)
        return {outcome.error, 0};
    open(std::move(*loaded), {kept.filePath, content, kept.damageFindings}, outcome.lines);
    // The editor the file's type shows takes its working copy back, showing
    // the curve or address it showed; copies of other editors are left out.
    Edits brought = kept.edits();
    const EditorKind *shown = editorKind(session_.editorFrame());
    const auto left = std::erase_if(brought.editors, [shown](const EditorCopy &c) {
        return !shown || c.editor != shown->nameText();
    });
    bringBack(brought);
    return {std::nullopt, static_cast<int>(left)};
}

void DecoderDocument::replaceSession(DecoderSession &&changed)
{
    const Quiet quiet(*this);
    session_ = std::move(changed);
    showSlotValues();
    editors_.clear();
    emit restored();
}

void DecoderDocument::open(DecoderSession &&loaded, Identity identity, const HexLoadResult &lines)
{
    ++busy_;
    readResult_ = lines;
    *fileSession_ = loaded;
    session_ = std::move(loaded);
    session_.filePath = identity.path;
    identity_ = std::move(identity);
    changedBase_.reset();
    editors_.clear();
    showSlotValues();
    hasBaseline_ = false;
    hasFile_ = true;
    emit opened();
    --busy_;
    // The editors loaded what the file holds (correcting what they must).
    takeBaseline();
    emit identityChanged();
    emit started();
}

void DecoderDocument::takeBaseline()
{
    baseline_ = edits();
    hasBaseline_ = true;
}

void DecoderDocument::saved(const QString &path, const QByteArray &content)
{
    identity_ = {path, content, {}};
    changedBase_.reset();
    session_.filePath = path;
    showStoredSlots();
    *fileSession_ = session_;
    takeBaseline();
    // The grid shows the slots stored; nothing the user did.
    ++busy_;
    emit fileSaved();
    --busy_;
    emit identityChanged();
}

// A text that means the number stored stays as typed; any other shows the
// number stored, and each slot its stored output.
void DecoderDocument::showStoredSlots()
{
    std::array<SlotValues, Slots> written = session_.slotValues;
    session_.readSlots();
    for (std::size_t s = 0; s < Slots; ++s) {
        const SlotValues &stored = session_.slotValues[s];
        if (written[s].address != stored.address)
            addressTexts_[s] = QString::number(stored.address);
        if (written[s].function != stored.function)
            functionTexts_[s] = QString::number(stored.function);
    }
}
