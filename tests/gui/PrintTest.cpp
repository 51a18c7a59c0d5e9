#include "GuiTest.h"
#include "gui/PageSetupDialog.h"
#include "gui/PrintDialog.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"

#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace platform;

namespace {

// Runs one of poppler's tools on a PDF and answers what it wrote; pdftotext writes each
// word with its box.
QString poppler(const QString& tool, const QString& pdf) {
    QProcess process;
    QStringList arguments{pdf};
    if (tool == "pdftotext")
        arguments = QStringList{"-bbox", pdf, "-"};
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintTest : public guitest::GuiTest {
protected:
    PrintTest() {
        TextAttributes bold;
        bold.font = Font(u"Nimbus Sans", 14, true);
        TextAttributes plain;
        plain.font = Font(u"Nimbus Sans", 12);
        AttributedString body(u"Dear", bold);
        body.append(u" diary\nSecond line", std::make_shared<const TextAttributes>(plain));
        textView->textStorage()->setAttributedString(body);
        scrollView->setDocumentView(textView);
    }

    template <typename Dialog> Dialog* shownDialog() {
        Dialog* found = nullptr;
        const bool shown = waitUntil([&] {
            found = widgetOf(*window)->findChild<Dialog*>();
            return found && found->isVisible();
        });
        return shown ? found : nullptr;
    }

    // Prints the body and answers the print dialog with a PDF file, as its OK does once
    // the user chose to print to that file.
    QString printedPdf() {
        std::vector<bool> answers;
        PrintOperation::printOperationWithView(textView)->runOperation(
            [&](bool printed) { answers.push_back(printed); });
        auto* dialog = shownDialog<gui::PrintDialog>();
        if (!dialog)
            return {};
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        const QString pdf = folder.filePath(QString("print%1.pdf").arg(++prints));
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->done(QDialog::Accepted);
        EXPECT_EQ(answers, std::vector<bool>{true});
        return pdf;
    }

    QTemporaryDir folder;
    int prints = 0;
    std::shared_ptr<TextView> textView = std::make_shared<TextView>();
    std::shared_ptr<ScrollView> scrollView = std::make_shared<ScrollView>();
    std::shared_ptr<Window> window = shownWindow(scrollView);
};

TEST_F(PrintTest, PrintsTheStyledBodyOnThePrinterChosenWithinTheSharedMargins) {
    PrintInfo::sharedPrintInfo()->setMargins({.top = 50, .left = 30, .bottom = 50, .right = 30});
    const QString pdf = printedPdf();
    const QString words = poppler("pdftotext", pdf);
    for (const char* word : {"Dear", "diary", "Second", "line"})
        EXPECT_TRUE(words.contains(QString(">%1</word>").arg(word))) << words.toStdString();
    const QRegularExpression firstWord(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Dear<)re");
    const auto first = firstWord.match(words);
    ASSERT_TRUE(first.hasMatch()) << words.toStdString();
    EXPECT_NEAR(first.captured(1).toDouble(), 30, 1) << "the left margin, and no more";
    EXPECT_NEAR(first.captured(2).toDouble(), 50, 5) << "the top margin, above the first line";
    EXPECT_TRUE(poppler("pdffonts", pdf).contains("Bold")) << "the bold word keeps its font";
    EXPECT_TRUE(poppler("pdfinfo", pdf).contains("595 x 842 pts (A4)"));
}

TEST_F(PrintTest, ThePageSetupChosenLaysOutTheNextPrint) {
    std::vector<bool> answers;
    PageLayout::pageLayout()->beginSheetModalForWindow(
        window, [&](bool accepted) { answers.push_back(accepted); });
    auto* dialog = shownDialog<gui::PageSetupDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto* landscape = dialog->findChild<QRadioButton*>("landscape");
    ASSERT_NE(landscape, nullptr);
    landscape->click();
    dialog->accept();
    EXPECT_EQ(answers, std::vector<bool>{true});
    EXPECT_EQ(PrintInfo::sharedPrintInfo()->orientation(), PrintInfo::Orientation::Landscape);

    const QString info = poppler("pdfinfo", printedPdf());
    EXPECT_TRUE(info.contains("842 x 595 pts (A4)")) << info.toStdString();
}

TEST_F(PrintTest, TheModelCancellingAWindowsOperationsClosesTheirDialogs) {
    const auto operation = PrintOperation::printOperationWithView(textView);
    operation->runOperation();
    QPointer<QDialog> printDialog = shownDialog<gui::PrintDialog>();
    const auto layout = PageLayout::pageLayout();
    layout->beginSheetModalForWindow(window);
    QPointer<QDialog> pageSetupDialog = shownDialog<gui::PageSetupDialog>();
    ASSERT_TRUE(printDialog && pageSetupDialog);

    PrintOperation::cancelOperationsOfWindow(*window);
    PageLayout::cancelLayoutsOfWindow(*window);
    EXPECT_EQ(operation->state(), PrintOperation::State::Cancelled);
    EXPECT_EQ(layout->state(), PageLayout::State::Cancelled);
    EXPECT_TRUE(waitUntil([&] { return printDialog.isNull() && pageSetupDialog.isNull(); }));
    EXPECT_EQ(*PrintInfo::sharedPrintInfo(), PrintInfo());
}

} // namespace
