// quillmark-cli print FILE OUT.pdf [--type 1|2|3|4] [--paper A4|B5|Letter] [--utc]: a contest
// printed into a PDF through the program's own page code: the normal log (1, the default
// type of the settings unless given), the extended log (2) and the labels (3) of the active
// band's entries in band order, or the summary sheet (4).
#include <cstdio>

#include "command_line.h"
#include "load_contest.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"
#include "user_settings.h"

#ifdef QUILLMARK_HAVE_QT_GUI
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/print_forms.h"
#include "print/qt/page_painter.h"
#endif

inline constexpr int kExitNothingToPrint = 3;

int RunPrint(const CommandLine& line) {
#ifndef QUILLMARK_HAVE_QT_GUI
    std::fputs("quillmark-cli: printing needs the build with Qt\n", stderr);
    return kExitUsage;
#else
    const std::string& in = line.arguments[0];
    const std::string& out = line.arguments[1];
    CQuillmarkSystem settings = UserSettings();
    int type = settings.GetDefaultPrintType();
    if (const std::string* value = line.Value("--type")) {
        if (value->size() != 1 || (*value)[0] < '1' || (*value)[0] > '4') {
            std::fprintf(stderr, "quillmark-cli: --type takes 1 to 4, not '%s'\n", value->c_str());
            return kExitUsage;
        }
        type = (*value)[0] - '0';
    }
    QPageSize::PageSizeId paper = QPageSize::A4;
    if (const std::string* value = line.Value("--paper")) {
        if (*value == "B5") {
            paper = QPageSize::JisB5;
        } else if (*value == "Letter") {
            paper = QPageSize::Letter;
        } else if (*value != "A4") {
            std::fprintf(stderr, "quillmark-cli: --paper takes A4, B5 or Letter, not '%s'\n",
                         value->c_str());
            return kExitUsage;
        }
    }
    if (line.Has("--utc")) {
        settings.SetIsDisplayUTC(1);
    }

    CQuillmarkData_MainData contest;
    if (!LoadContestForCommand(in, line.punctuation_marks, contest).loaded) {
        return kExitFileError;
    }
    // There is no log list: the extended log and the labels take the band's order.
    std::vector<int> rows;
    if (const CQuillmarkData_SubMainData* band = contest.GetActiveBand()) {
        for (int i = 0; i < band->GetEntryCount(); ++i) {
            rows.push_back(i);
        }
    }
    const print::LogPrintInput input{contest, settings, rows, CurrentTime()};
    if (print::PageCount(type, input) == 0) {
        std::fprintf(stderr, "quillmark-cli: %s: %s\n", in.c_str(),
                     Cp932ToUtf8(Utf8ToCp932("現在、当該印刷は実行できません。")).c_str());
        return kExitNothingToPrint;
    }

    // Fonts need a GUI application object; no display is needed for a PDF.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char arg0[] = "quillmark-cli";
    char* argv[] = {arg0, nullptr};
    QGuiApplication application(argc, argv);
    const QString path = QString::fromLocal8Bit(out.c_str());
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        writer.setResolution(600);
        writer.setTitle(QString::fromStdString(Cp932ToUtf8(contest.GetContestName())));
        writer.setCreator(QStringLiteral("Quillmark"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return ReportFileError(out, "cannot be written");
        }
        const int total = print::PageTotal(type, input, print_qt::AreaOf(writer));
        print_qt::PrintPages(writer, painter, 1, total,
                             [&](int page, const print::Area& area, print::PageDescription& d) {
                                 return print::BuildPage(type, page, input, area, d);
                             });
        if (!painter.end()) {
            QFile::remove(path);
            return ReportFileError(out, "cannot be written");
        }
    }
    if (QFileInfo(path).size() == 0) {
        QFile::remove(path);
        return ReportFileError(out, "cannot be written");
    }
    return kExitOk;
#endif
}
