// Helpers of the print tests: recorded print jobs, scripted printer
// dialogs, the texts of a filled page; a report drawn on a picture and a PDF read back (support/).
#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "print/platform_dialogs.h"
#include "report/page_report.h"
#include "print/print_job.h"
#include "report/units.h"
#include "support/pdf_reading.h"
#include "support/report_picture.h"

namespace dz::test {

// A print sink that keeps what it is given: the job settings and, per page, its title and
// margins and the label texts at the moment of printing.
class RecordingSink : public report::PrintSink {
public:
    struct Page {
        QString title;
        QMarginsF margins;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        int copies;
        QString printerName;
        std::vector<std::pair<QString, QString>> texts;  // named labels
        QString Text(const QString& name) const {
            for (const auto& [n, t] : texts)
                if (n == name) return t;
            return QStringLiteral("<no label %1>").arg(name);
        }
    };
    struct Job {
        report::PrintJob settings;  // pages not kept (they are released after printing)
        std::vector<Page> pages;
    };
    void Print(const report::PrintJob& job) override {
        Job j;
        j.settings = job;
        j.settings.pages.clear();
        for (const report::PageReport* p : job.pages) {
            Page page{p->title, p->margins(), p->paper(), p->orientation(), p->copies, p->printerName, {}};
            for (const report::Label& l : p->Labels())
                if (!l.name.isEmpty()) page.texts.emplace_back(l.name, l.text);
            j.pages.push_back(std::move(page));
        }
        jobs.push_back(std::move(j));
    }
    std::vector<Job> jobs;
};

// Printer and font dialogs that answer as scripted and keep what they were offered.
class ScriptedPlatform : public PlatformDialogs {
public:
    bool ChoosePrinter(PrinterSettings& settings, QWidget*) override {
        ++printerShown;
        copiesOffered = settings.copies;
        if (!confirm) return false;
        settings.printerName = printer;
        if (copies > 0) settings.copies = copies;
        return true;
    }
    std::optional<QString> ChooseFont(const QString& family, QWidget*) override {
        fontOffered = family;
        return font;
    }
    bool confirm = true;
    QString printer = QStringLiteral("Laser");
    int copies = 0;  // 0: the copies offered are kept
    int printerShown = 0;
    int copiesOffered = 0;
    std::optional<QString> font;  // nothing: the font dialog is cancelled
    QString fontOffered;
};

// Label texts of a filled page, compared one by one; `scenario` names the case in a failure.
struct LabelText {
    const char* label;
    const char* text;
};
inline void ExpectTexts(const report::PageReport& page, std::initializer_list<LabelText> expected, const char* scenario) {
    for (const LabelText& e : expected)
        EXPECT_EQ(page.Text(QString::fromLatin1(e.label)), QString::fromUtf8(e.text)) << scenario << ": " << e.label;
}

}  // namespace dz::test
