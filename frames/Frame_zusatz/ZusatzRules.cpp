#include "frames/Frame_zusatz/ZusatzRules.h"

#include <QCoreApplication>

#include "frames/ByteEntry.h"

#include <algorithm>
#include <map>

namespace Zusatz {

namespace {

QString text(const char *utf8)
{
    return QCoreApplication::translate("Zusatz", utf8);
}

Layout valueField(const char *caption, const char *hint, int min, int max)
{
    Layout layout;
    layout.valueEdit = true;
    layout.valueUpDown = true;
    layout.valueCaption = text(caption);
    layout.valueHint = text(hint);
    layout.valueMin = min;
    layout.valueMax = max;
    return layout;
}

ModeGroup modeGroup(std::initializer_list<const char *> captions, bool bits = false)
{
    ModeGroup group;
    group.visible = true;
    for (const char *caption : captions)
        group.radioCaptions << text(caption);
    group.bit6 = bits;
    group.bit7 = bits;
    return group;
}

Layout withMode(Layout layout, ModeGroup group)
{
    layout.mode = std::move(group);
    return layout;
}

constexpr bool WithBits = true;

const char *const NormalMode = QT_TRANSLATE_NOOP("Zusatz", "Mode 1: Normale Betriebsart");
const char *const DummMode = QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Dumm-Mode");
const char *const SelfOffMode = QT_TRANSLATE_NOOP("Zusatz", "Mode 3: Selbstabschaltungs-Mode");

std::map<int, Layout> buildLayouts()
{
    std::map<int, Layout> table;
    auto put = [&table](std::initializer_list<int> codes, const Layout &layout) {
        for (int code : codes)
            table[code] = layout;
    };

    // Turnout decoders: drive time-out.
    const Layout timeOut = valueField(QT_TRANSLATE_NOOP("Zusatz", "Time Out (1..127)"), QT_TRANSLATE_NOOP("Zusatz", "x 0.5 sec"), 1, 127);
    put({8, 10, 2, 101}, timeOut);
    Layout timeOutSwitchOff = timeOut;
    timeOutSwitchOff.switchOffOption = true;
    put({520, 522, 514, 613}, timeOutSwitchOff);

    // Switching decoders: switch-off time in mode 3.
    const ModeGroup switching = modeGroup({NormalMode, DummMode, SelfOffMode});
    put({11}, withMode(valueField(QT_TRANSLATE_NOOP("Zusatz", "Abschaltzeit in Mode 3 (1..255)"), QT_TRANSLATE_NOOP("Zusatz", "x 0.5 sec"), 1, 255), switching));
    put({106}, withMode(valueField(QT_TRANSLATE_NOOP("Zusatz", "Abschaltzeit Mode in 3 (1..255)"), QT_TRANSLATE_NOOP("Zusatz", "x 0.5 sec"), 1, 255), switching));
    // Relay decoder: delay.
    put({105}, withMode(valueField(QT_TRANSLATE_NOOP("Zusatz", "Verzögerungszeit (0..255)"), QT_TRANSLATE_NOOP("Zusatz", "Verzögerungszeit (x 0.5 sec)"), 0, 255),
                        modeGroup({NormalMode, DummMode, SelfOffMode, QT_TRANSLATE_NOOP("Zusatz", "Mode 4: Single Output-Mode")})));

    // Neon function decoders: delay, four modes, brightness sliders.
    Layout neon = withMode(valueField(QT_TRANSLATE_NOOP("Zusatz", "Verzögerungszeit (0..255)"), QT_TRANSLATE_NOOP("Zusatz", "x 0.5 sec"), 0, 255),
                           modeGroup({QT_TRANSLATE_NOOP("Zusatz", "Mode 1: Normale Betriebsart Neon"), QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Steuerwagen Neon"),
                                      QT_TRANSLATE_NOOP("Zusatz", "Mode 3: Normale Betriebsart ohne Neon"), QT_TRANSLATE_NOOP("Zusatz", "Mode 4: Steuerwagen ohne Neon")}));
    neon.neonSliders = true;
    put({1720576, 1786112}, neon);
    neon.mode.bit6 = neon.mode.bit7 = true;
    put({2769152, 2834688}, neon);

    // Function decoders: only the mode group.
    ModeGroup bit6Only;
    bit6Only.visible = true;
    bit6Only.bit6 = true;
    put({81664}, withMode(Layout{}, bit6Only));
    put({15616}, withMode(Layout{}, modeGroup({NormalMode, QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Steuerwagen")})));
    put({81152}, withMode(Layout{}, modeGroup({NormalMode, QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Steuerwagen")}, WithBits)));
    put({81408}, withMode(Layout{}, modeGroup({NormalMode, QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Steuerwagen (Ausgang 3/4)")}, WithBits)));
    put({15872, 104}, withMode(Layout{}, modeGroup({NormalMode, DummMode})));

    // LED signal decoders.
    put({108, 109, 201, 457, 202, 458, 205, 206, 207},
        withMode(Layout{}, modeGroup({NormalMode, QT_TRANSLATE_NOOP("Zusatz", "Mode 2: mit Dunkeltastung")})));
    put({203}, withMode(Layout{}, modeGroup({QT_TRANSLATE_NOOP("Zusatz", "Mode 1: ohne ROT"), QT_TRANSLATE_NOOP("Zusatz", "Mode 2: mit ROT ")})));

    // Traffic lights: fading speed; from V3.41 also the green phases.
    Layout fading;
    fading.slider = Slider::Fading;
    put({359}, fading);
    fading.extras = {{text(QT_TRANSLATE_NOOP("Zusatz", "Grünphase Haupt (x 0.2 s)")), 0x60}, {text(QT_TRANSLATE_NOOP("Zusatz", "Grünphase Neben (x 0.2 s)")), 0x70}};
    put({615}, withMode(fading, modeGroup({QT_TRANSLATE_NOOP("Zusatz", "Mode 1: Deutschland"), QT_TRANSLATE_NOOP("Zusatz", "Mode 2: Österreich")})));

    // Fairground lights: sequence speed.
    Layout speed;
    speed.slider = Slider::Speed;
    put({111}, speed);

    // Neon/welder LED decoders: output functions as bits.
    Layout neon368;
    neon368.valueCaption = text(QT_TRANSLATE_NOOP("Zusatz", "Spezial-Funktion Ausgang 9 / 10:"));
    neon368.neonBoxBits = 0x03;
    put({368}, neon368);
    Layout neon624;
    neon624.valueCaption = text(QT_TRANSLATE_NOOP("Zusatz", "Funktion der Ausgänge:"));
    neon624.neonBoxBits = 0xDF;
    neon624.neonTip = true;
    put({624}, neon624);

    // House lighting: sequence speed without up-down or seconds, minimum count.
    Layout house;
    house.valueEdit = true;
    house.valueCaption = text(QT_TRANSLATE_NOOP("Zusatz", "Ablaufgeschwindigkeit (1..255)"));
    house.valueHint = text(QT_TRANSLATE_NOOP("Zusatz", "1 = schnell\n255 = langsam"));
    house.minimumCount = true;
    put({113}, house);

    return table;
}

const std::map<int, Layout> &layouts()
{
    static const std::map<int, Layout> table = buildLayouts();
    return table;
}

} // namespace

const Layout *layoutFor(int typeCode)
{
    const auto it = layouts().find(typeCode);
    return it == layouts().end() ? nullptr : &it->second;
}

std::vector<int> knownTypeCodes()
{
    std::vector<int> codes;
    for (const auto &entry : layouts())
        codes.push_back(entry.first);
    return codes;
}

std::optional<int> modeRadioIndex(int modeByte)
{
    for (int bit = 0; bit < ModeRadioCount; ++bit) {
        if (modeByte & (1 << bit))
            return bit;
    }
    return std::nullopt;
}

int modeByteAfterClick(int modeByte, std::optional<int> radioIndex, bool bit6Visible, bool bit6Checked,
                       bool bit7Visible, bool bit7Checked)
{
    int value = radioIndex ? (1 << *radioIndex) : modeByte;
    if (bit6Visible)
        value = bit6Checked ? (value | 0x40) : (value & ~0x40);
    if (bit7Visible)
        value = bit7Checked ? (value | 0x80) : (value & ~0x80);
    return value & 0xFF;
}

bool switchOffChecked(const QString &modeByteText)
{
    return modeByteText == QLatin1String("AB");
}

QString switchOffText(bool checked)
{
    return checked ? QStringLiteral("AB") : QStringLiteral("01");
}

QString secondsText(int value)
{
    // QString::asprintf formats independently of the locale: always a point.
    return QString::asprintf(QCoreApplication::translate("Zusatz", "(%3.1f sek.)").toUtf8().constData(), value * 0.5);
}

QString speedTitle(int value)
{
    return QCoreApplication::translate("Zusatz", "Geschwindigkeit: %1").arg(value);
}

const std::array<QString, FadingPositions> &fadingCodes()
{
    static const std::array<QString, FadingPositions> codes{QStringLiteral("FF"), QStringLiteral("66"),
                                                             QStringLiteral("33"), QStringLiteral("22"),
                                                             QStringLiteral("12"), QStringLiteral("11")};
    return codes;
}

FadingReading readFadingCode(const QString &code)
{
    if (code == QLatin1String("ff"))
        return {0, false};
    for (int position = 0; position < FadingPositions; ++position) {
        if (code == fadingCodes()[position])
            return {position, false};
    }
    return {FadingPositions - 1, true};
}

const std::array<NeonBox, NeonBoxCount> &neonBoxes()
{
    static const QString normalNeon =
        text(QT_TRANSLATE_NOOP("Zusatz", "Wenn nicht aktiviert, dann ist dieser Ausgang ein normaler \"Neon\" Effekt Ausgang"));
    static const QString defectNeon = text(QT_TRANSLATE_NOOP("Zusatz", "Wenn nicht aktiviert, dann ist dieser Ausgang ein \"Neon\" Effekt Ausgang, "
                                           "der auch als \"defekt\" definiert werden kann"));
    static const std::array<NeonBox, NeonBoxCount> boxes{{
        {0, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 9 = \"Neon defekt\"")),
         text(QT_TRANSLATE_NOOP("Zusatz", "keine Wirkung, wenn Ausgang 9 als \"Schweißer\" definiert"))},
        {1, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 10 = \"Schweißer\"")), normalNeon},
        {2, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 1/2/3 = \"Schweißer\"")), normalNeon},
        {3, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 4 = \"Schweißer\"")), defectNeon},
        {4, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 5/6/7/8 = \"Schweißer\"")), normalNeon},
        {6, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgnag 9 = \"Schweißer\"")), defectNeon},
        {7, text(QT_TRANSLATE_NOOP("Zusatz", "Ausgang 4 = \"Neon defekt\"")),
         text(QT_TRANSLATE_NOOP("Zusatz", "keine Wirkung, wenn Ausgang 4 als \"Schweißer\" definiert"))},
    }};
    return boxes;
}

int neonValue(int value, int boxBits, int checkedBits)
{
    return ((value & ~boxBits) | (checkedBits & boxBits)) & 0xFF;
}

TypedEntry<int> checkValueInput(const QString &input, const QString &caption, int min, int max)
{
    if (input.isEmpty())
        return TypedEntry<int>::empty();
    const std::optional<int> number = Typed::integerOf(input);
    if (!number)
        return TypedEntry<int>::refused(text(QT_TRANSLATE_NOOP("Zusatz", "Ungültige Eingabe für <%1> ")).arg(caption));
    if (*number < min)
        return TypedEntry<int>::refused(text(QT_TRANSLATE_NOOP("Zusatz", "Wert für <%1> ist zu klein")).arg(caption), number);
    if (*number > max)
        return TypedEntry<int>::refused(text(QT_TRANSLATE_NOOP("Zusatz", "Wert für <%1> ist zu gross")).arg(caption), number);
    return TypedEntry<int>::accepted(*number);
}

TypedEntry<int> checkMinimumCountInput(const QString &input)
{
    if (input.isEmpty())
        return TypedEntry<int>::empty();
    const std::optional<int> number = Typed::integerOf(input);
    if (!number)
        return TypedEntry<int>::refused(text(QT_TRANSLATE_NOOP("Zusatz", "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..9")));
    return TypedEntry<int>::accepted(std::clamp(*number, MinimumCountMin, MinimumCountMax), number);
}

} // namespace Zusatz
