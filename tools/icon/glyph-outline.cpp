// Prints the outline of a text, as the application icon paints it, as SVG path data: the
// installed icon then draws the glyph without depending on the fonts of the machine that
// shows it.
//
// usage: glyph-outline TEXT FAMILY PIXEL_SIZE BOX
// The text is set bold at PIXEL_SIZE and centred in a BOX × BOX square the way
// QPainter::drawText(rect, Qt::AlignCenter, …) centres it.

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {

QString number(qreal value)
{
    // Hundredths of a unit are finer than any size the icon is shown at.
    return QString::number(qRound(value * 100) / 100.0);
}

QString point(const QPointF& p)
{
    return number(p.x()) + u' ' + number(p.y());
}

QString svgPathData(const QPainterPath& path)
{
    QStringList commands;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            if (i > 0)
                commands << QStringLiteral("Z");
            commands << u'M' + point(element);
            break;
        case QPainterPath::LineToElement:
            commands << u'L' + point(element);
            break;
        case QPainterPath::CurveToElement:
            commands << u'C' + point(element) + u' ' + point(path.elementAt(i + 1)) + u' ' +
                            point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break; // consumed with its CurveToElement
        }
    }
    commands << QStringLiteral("Z");
    return commands.join(u' ');
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool sizeOk = false;
    bool boxOk = false;
    const int pixelSize = args.value(2).toInt(&sizeOk);
    const qreal box = args.value(3).toDouble(&boxOk);
    if (args.size() != 4 || !sizeOk || !boxOk) {
        std::fputs("usage: glyph-outline TEXT FAMILY PIXEL_SIZE BOX\n", stderr);
        return 2;
    }

    QFont font(args[1]);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    if (QFontInfo(font).family() != args[1]) {
        std::fprintf(stderr, "glyph-outline: the font family \"%s\" is not installed\n", qPrintable(args[1]));
        return 1;
    }

    const QFontMetricsF metrics(font);
    const QPointF baseline((box - metrics.horizontalAdvance(args[0])) / 2,
                           (box - metrics.height()) / 2 + metrics.ascent());
    QPainterPath path;
    path.addText(baseline, font, args[0]);

    QTextStream out(stdout);
    out << svgPathData(path) << '\n';
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : 1;
}
