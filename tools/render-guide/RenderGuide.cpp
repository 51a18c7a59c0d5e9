// Renders the user guide's HTML into the PDF that the program opens from its resources.
// A build tool: render-guide INPUT.html OUTPUT.pdf

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "render-guide: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // No display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: render-guide INPUT.html OUTPUT.pdf\n");
        return 2;
    }
    const QString& inputPath = arguments.at(1);
    const QString& outputPath = arguments.at(2);

    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(inputPath, input.errorString()));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(input.readAll()));
    if (document.isEmpty())
        return fail(QStringLiteral("%1 has no text").arg(inputPath));

    // Written beside the target and renamed over it, so that a failure leaves no half PDF
    // that the build would take as made.
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
    {
        QPdfWriter writer(&output);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        writer.setResolution(300);
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        writer.setTitle(title.isEmpty() ? QStringLiteral("Sealscribe User Guide") : title);
        writer.setCreator(QStringLiteral("Sealscribe"));
        document.print(&writer);
    }
    if (output.size() == 0)
        return fail(QStringLiteral("nothing was rendered into %1").arg(outputPath));
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
    return 0;
}
