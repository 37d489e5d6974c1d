#include "FileKinds.h"

#include <strings.h>

namespace {

// The tables end with an empty entry, which is never compared. Their order and letter case are
// kept as published, doubled entries included.
const char* const ImageTable[] = {
    "HEIF", "3DM", "3DMF", "3DS",     "ABM",  "AFX", "AI",   "ANI",  "ART",  "ARW",  "BLD",          "BLEND",
    "BMP",  "BOO", "BR5",  "CDR",     "CDR",  "CDT", "CGM",  "CIFF", "CLP",  "CMX",  "CONT",         "CPT",
    "CR2",  "CRW", "CUR",  "CVX",     "DCM",  "DCR", "DCR",  "DIB",  "DNG",  "DRW",  "DS4",          "DSC",
    "DT2",  "DWF", "DWG",  "EMF",     "EMZ",  "ERF", "FH8",  "FLC",  "FOV",  "FPF",  "FPX",          "FUJI",
    "FXG",  "GIF", "HDP",  "HPI",     "ICNS", "ICO", "IDML", "IFF",  "IMG",  "INX",  "IPX",          "ISD",
    "ITC2", "IV",  "JP2",  "JPEG",    "JPG",  "JPX", "K25",  "KDC",  "LBM",  "MA",   "MAX",          "MB",
    "MDI",  "MDL", "MDX",  "MINO",    "MNG",  "MOS", "MRW",  "MSP",  "NCR",  "NEF",  "OBJ",          "ORF",
    "PAL",  "PAT", "PBM",  "PCS",     "PCT",  "PCX", "PEF",  "PGM",  "PIC",  "PICT", "PICTCLIPPING", "PNG",
    "PPM",  "PSD", "PSP",  "PSPIMGE", "PTX",  "PXN", "QXD",  "RAF",  "RAS",  "RAW",  "RELS",         "RGB",
    "RLE",  "RTD", "SCT",  "SHP",     "SKF",  "SKP", "SR2",  "SRF",  "STP",  "SVG",  "SVGZ",         "TEX",
    "TGA",  "THM", "TIF",  "TIFF",    "VWX",  "WB1", "WBC",  "WBD",  "WBMP", "WBZ",  "WEBP",         "WMF",
    "WP",   "WPG", "X3F",  "XBM",     "XCF",  "XPM", "XPS",  ""};

const char* const VideoTable[] = {
    "HEVC",  "3G2",      "3GP", "ANM",       "ASF", "ASX",  "AVI",  "AVS",  "CLK",    "CPI",   "DIVX", "DMSM",
    "DREAM", "DVDMEDIA", "DVM", "DVR-MS",    "DXR", "F4V",  "FBR",  "FLA",  "FLV",    "HDMOV", "M2P",  "M2TS",
    "M4P",   "M4V",      "MKV", "MOD",       "MOI", "MOV",  "MP4",  "MPE",  "MPEG",   "MPG",   "MXF",  "OGM",
    "PSH",   "QT",       "QTM", "RCPROJECT", "RM",  "RMVB", "SCM",  "SMIL", "SMJPEG", "SRT",   "STX",  "SWF",
    "TIX",   "TS",       "VOB", "VRO",       "WMV", "WTV",  "XVID", "YUV",  ""};

const char* const AudioTable[] = {
    "AMR", "AUD",  "RAM", "RFL",  "RMI", "RNS", "RPS", "SIB",  "SND", "VPM", "WAV",  "WMA",  "AA3", "AAC",
    "AC3", "AFC",  "AIF", "AIFF", "AM",  "AT3", "AU",  "CAF",  "CDA", "CPF", "DMSA", "DMSE", "DSS", "EMP",
    "EMX", "FLAC", "KPI", "M3D",  "M4A", "M4R", "MID", "MIDI", "MP3", "OGG", "OMF",  "PTF",  ""};

const char* const DocumentTable[] = {
    "123", "12M",     "1ST",  "3DA", "3TF",  "3WS",  "ABD",  "ADX", "AMI", "APP", "C",     "CAS", "CBK",
    "CLA", "CLS",     "CLY",  "CPP", "CWK",  "DOC",  "DOCX", "DOT", "EPS", "ETP", "FB2",   "FM3", "FMT",
    "GHO", "H",       "INDT", "JOB", "KEY",  "INDD", "LIT",  "LOG", "LWP", "M",   "MCD",   "MDZ", "MM",
    "MPT", "NUMBERS", "ODP",  "ODS", "ODG",  "ODF",  "ODB",  "ODT", "ONE", "OTP", "PAGES", "PDF", "Plist",
    "PMD", "POT",     "POTX", "PPS", "PPSX", "PPT",  "PPTX", "PRZ", "PS",  "PUB", "PWI",   "PYC", "PYD",
    "QBB", "QDF",     "QSD",  "QXP", "RESX", "RTF",  "SCPT", "SDW", "SDY", "SIG", "SLN",   "SUO", "SXC",
    "SXD", "SXI",     "SXW",  "TOC", "TXT",  "VBP",  "VRD",  "VSD", "VSS", "VST", "WFA",   "WK1", "WK3",
    "WK4", "WP6",     "WPD",  "WPS", "WRI",  "XLS",  "XLSX", "XLT", ""};

const char* const ArchiveTable[] = {"7Z",  "ACE", "ALZ", "ARC", "ARJ",     "BZ",  "Bzip", "CAB",  "DBS",
                                    "DEB", "DMG", "GZ",  "JAR", "KRYPTER", "LZA", "LZH",  "MSI",  "PF",
                                    "PKG", "PUP", "RAR", "RPM", "SEA",     "SFX", "SIT",  "SITX", "SOR",
                                    "TAR", "TGZ", "WAR", "ZIP", "ZIPX",    "ZOO", ""};

int find(const char* const* table, const char* extension) {
    if (!extension) return -1;
    for (int i = 0; table[i][0] != '\0'; ++i)
        if (::strcasecmp(table[i], extension) == 0) return i;
    return -1;
}

}  // namespace

namespace FileKinds {

int GetImageType(const char* extension) {
    return find(ImageTable, extension);
}
int GetViedoType(const char* extension) {
    return find(VideoTable, extension);
}
int GetAudioType(const char* extension) {
    return find(AudioTable, extension);
}
int GetDocumentType(const char* extension) {
    return find(DocumentTable, extension);
}
int GetArchiveType(const char* extension) {
    return find(ArchiveTable, extension);
}

QString kindOf(const QString& name, bool isFolder) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    if (isFolder) return QLatin1String(extension == QLatin1String("rtfd") ? Documents : Folder);
    const QByteArray utf8 = extension.toUtf8();
    if (GetImageType(utf8.constData()) >= 0) return QLatin1String(Pictures);
    if (GetArchiveType(utf8.constData()) >= 0) return QLatin1String(Archives);
    if (GetDocumentType(utf8.constData()) >= 0) return QLatin1String(Documents);
    return QLatin1String(Other);
}

}  // namespace FileKinds
