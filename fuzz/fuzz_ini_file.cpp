// The settings file: read, queried, changed and written back; what it writes
// reads back with the values it was given.
#include "FuzzChecks.h"

#include "preferences/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniFile ini = IniFile::fromBytes(fuzzBytes(data, size));
    const QString section = QStringLiteral("Window");
    for (const QString key : {QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Width")})
        (void)ini.readInteger(section, key, 7);
    (void)ini.readInteger(QStringLiteral("Raster"), QStringLiteral("X"), 0);
    ini.writeInteger(section, QStringLiteral("Left"), 123);
    ini.writeInteger(QStringLiteral("Raster"), QStringLiteral("Y"), -5);

    const IniFile again = IniFile::fromBytes(ini.toBytes());
    fuzzRequire(again.readInteger(section, QStringLiteral("Left"), 0) == 123, "written Window/Left reads back");
    fuzzRequire(again.readInteger(QStringLiteral("Raster"), QStringLiteral("Y"), 0) == -5, "written Raster/Y reads back");
    return 0;
}
