#include "ui/app/print_job.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <functional>

#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/quillmark_doc.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"
#include "print/print_forms.h"
#include "print/qt/page_painter.h"
#include "settings/quillmark_system.h"

namespace print_job {
namespace {

Cp932 J(const char* utf8) {
    return Utf8ToCp932(utf8);
}

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

using TotalOf = std::function<int(const print::Area& area)>;

// Draws the pages the builder gives, with the progress window and its Cancel.
bool Draw(QPrinter& printer, IOperator& op, const TotalOf& total_of,
          const print_qt::PageBuilder& build, bool with_progress) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        op.ShowMessage(J("印刷を開始できませんでした。プリンタの設定を確かめてください。"),
                       J("クイルマーク - 印刷"), kWarning);
        return false;
    }
    int first = 1;
    int last = total_of(print_qt::AreaOf(printer));
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(last, printer.toPage());
    }
    CProgressDialog progress(op);
    if (with_progress) {
        progress.SetProgressText(0, J("クイルマーク - 印刷"));
        progress.SetProgressText(1, J("印刷しています。しばらくお待ちください．．．"));
        progress.SetProgressRange(0, std::max(last - first + 1, 1));
        progress.EnableCancel(true);
        progress.Show();
        progress.SetStatusText(J("印刷しています。しばらくお待ちください．．．"));
    }
    int done = 0;
    const int drawn = print_qt::PrintPages(
        printer, painter, first, last,
        [&](int page, const print::Area& area, print::PageDescription& description) {
            if (with_progress) {
                progress.SetProgressPos(done++);
                op.PumpEvents();
            }
            return build(page, area, description);
        },
        [&] { return with_progress && progress.IsCancelled(); });
    const bool cancelled = with_progress && progress.IsCancelled();
    if (cancelled) {
        printer.abort();
    }
    painter.end();
    if (with_progress) {
        progress.Close();
        progress.SetStatusText(cancelled ? J("印刷を中止しました。") : J("印刷を完了しました。"));
    }
    return drawn > 0 && !cancelled;
}

bool Run(const Request& request, IOperator& op, int count, const TotalOf& total_of,
         const print_qt::PageBuilder& build) {
    if (count == 0) {
        op.ShowMessage(J("現在、当該印刷は実行できません。"), J("クイルマーク - 警告"), kWarning);
        return false;
    }
    QPrinter& printer = request.printer;
    if (request.preview) {
        QPrintPreviewDialog preview(&printer, request.parent);
        preview.setWindowTitle(QStringLiteral("クイルマーク - 印刷プレビュー"));
        if (request.parent != nullptr) {
            preview.resize(request.parent->size() * 9 / 10);
        }
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* target) { Draw(*target, op, total_of, build, false); });
        preview.exec();
        return true;
    }
    if (!request.direct) {
        QPrintDialog dialog(&printer, request.parent);
        dialog.setWindowTitle(QStringLiteral("クイルマーク - 印刷"));
        if (count > 0) {
            dialog.setMinMax(1, count);
        }
        if (dialog.exec() != QDialog::Accepted) {
            op.SetStatusText(J("印刷を中止しました。"));
            return false;
        }
    }
    return Draw(printer, op, total_of, build, true);
}

}  // namespace

bool PrintContest(const Request& request, IOperator& op, const CQuillmarkSystem& settings,
                  const CQuillmarkDoc& document, const std::vector<int>& rows) {
    const int type = settings.GetCurrentPrintType();
    const print::LogPrintInput input{document.GetContest(), settings, rows, CurrentTime()};
    return Run(
        request, op, print::PageCount(type, input),
        [&](const print::Area& area) { return print::PageTotal(type, input, area); },
        [&](int page, const print::Area& area, print::PageDescription& description) {
            return print::BuildPage(type, page, input, area, description);
        });
}

bool PrintCityCodes(const Request& request, IOperator& op, const CCityCodeData_MainData& database,
                    const std::vector<int>& rows) {
    return Run(
        request, op, rows.empty() ? 0 : -1,
        [&](const print::Area& area) { return print::CityCodeListPageTotal(rows, area); },
        [&](int page, const print::Area& area, print::PageDescription& description) {
            return print::BuildCityCodeListPage(page, database, rows, area, description);
        });
}

}  // namespace print_job
