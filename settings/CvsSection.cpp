// The section "cvs": the CV list of Frame_register.
#include "frames/Frame_register/CvListModel.h"

#include "frames/Frame_register/CvTable.h"
#include "settings/Sections.h"

#include <QCoreApplication>

namespace Settings {

namespace {

// A CV as the window's list captions it, in the reader's language.
QString cvCaption(int typeCode, int k)
{
    const std::vector<Cv::Entry> &entries = Cv::entriesFor(typeCode);
    if (k >= 0 && k < static_cast<int>(entries.size()))
        return QCoreApplication::translate("CvTable", entries[static_cast<std::size_t>(k)].caption.toUtf8().constData());
    return QStringLiteral("CV %1").arg(k + 1);
}

NodePtr shape()
{
    static const NodePtr built = array(integer(0, 255, cvCaption, true), Cv::PairCount);
    return built;
}

class CvsEditor : public LoadedEditor {
public:
    explicit CvsEditor(DecoderSession &session) : model_(session.image) { model_.load(session.typeCode()); }

    QJsonValue exported() override
    {
        return arrayOf(model_.count(), [&](int k) { return QJsonValue(model_.value(k)); });
    }

    std::optional<Fault> apply(const QJsonValue &section) override
    {
        return eachElement(section, QStringLiteral("cvs"), [&](int k, const QJsonValue &cv, const QString &path) -> std::optional<Fault> {
            if (k >= model_.count())
                return Fault{path, QCoreApplication::translate("SettingsDocument", "dieser Decoder-Typ hat %1 CVs").arg(model_.count())};
            const int wanted = intOf(cv);
            return wanted == model_.value(k) ? std::nullopt : typed(model_.typeValue(k, QString::number(wanted)), path, wanted);
        });
    }

private:
    Cv::CvListModel model_;
};

std::unique_ptr<LoadedEditor> load(DecoderSession &session)
{
    return std::make_unique<CvsEditor>(session);
}

} // namespace

const EditorSection &cvsSection()
{
    static const EditorSection section{QStringLiteral("cvs"), shape, load};
    return section;
}

} // namespace Settings
