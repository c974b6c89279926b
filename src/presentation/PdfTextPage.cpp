#include "presentation/PdfTextPage.h"

#include <QFontDatabase>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>

#include <memory>
#include <vector>

namespace PdfTextPage {

namespace {

// At 72 dots per inch one device unit is one point.
constexpr int pointsPerInch = 72;

QFont textFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(fontPointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// One line of the text, wrapped to the column.
struct Line {
    std::unique_ptr<QTextLayout> layout;
    double height = 0;
    bool blank = true;
};

// Where each line goes: the page and its top within the body.
struct Placement {
    int page = 0;
    double y = 0;
};

class Pages {
public:
    Pages(const QString& text, const QPageSize& paper, QPaintDevice& device)
        : m_paper(paper.sizePoints())
    {
        const QFont font = textFont();
        const double width = m_paper.width() - 2 * padding;
        const QStringList lines = text.split(u'\n');
        for (qsizetype index = 0; index < lines.size(); ++index) {
            Line line;
            line.blank = lines[index].trimmed().isEmpty();
            line.layout = std::make_unique<QTextLayout>(lines[index], font, &device);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            line.layout->setTextOption(option);
            line.layout->beginLayout();
            double y = 0;
            for (QTextLine wrapped = line.layout->createLine(); wrapped.isValid(); wrapped = line.layout->createLine()) {
                wrapped.setLineWidth(width);
                wrapped.setPosition(QPointF(0, y));
                y += wrapped.height();
            }
            line.layout->endLayout();
            line.height = y;
            (index < headerLineCount && lines.size() > headerLineCount ? m_header : m_body).push_back(std::move(line));
        }
        place();
    }

    [[nodiscard]] int count() const { return m_count; }

    void draw(QPainter& painter, QPdfWriter& writer) const
    {
        int page = 0;
        drawHeader(painter);
        for (std::size_t index = 0; index < m_body.size(); ++index) {
            const Placement& where = m_placements[index];
            if (where.page < 0)
                continue;
            while (page < where.page) {
                writer.newPage();
                ++page;
                drawHeader(painter);
            }
            m_body[index].layout->draw(&painter, QPointF(padding, bodyTop(page) + where.y));
        }
    }

private:
    [[nodiscard]] double headerHeight() const
    {
        double height = 0;
        for (const Line& line : m_header)
            height += line.height;
        return height;
    }

    // The first page goes on with the text's own blank line; later pages leave one after the header.
    [[nodiscard]] double bodyTop(int page) const
    {
        const double gap = page == 0 || m_body.empty() ? 0 : m_body.front().height;
        return padding + headerHeight() + gap;
    }

    [[nodiscard]] double bodyHeight(int page) const { return m_paper.height() - padding - bodyTop(page); }

    // Paragraphs (runs of lines that are not blank) stay on one page when one page can hold them;
    // blank lines at the top of a page are dropped.
    void place()
    {
        m_placements.assign(m_body.size(), Placement{-1, 0});
        int page = 0;
        double y = 0;
        for (std::size_t index = 0; index < m_body.size();) {
            if (m_body[index].blank) {
                if (y > 0 && y + m_body[index].height <= bodyHeight(page)) {
                    m_placements[index] = {page, y};
                    y += m_body[index].height;
                }
                ++index;
                continue;
            }
            std::size_t end = index;
            double paragraph = 0;
            while (end < m_body.size() && !m_body[end].blank)
                paragraph += m_body[end++].height;
            if (y > 0 && y + paragraph > bodyHeight(page) && paragraph <= bodyHeight(page + 1)) {
                ++page;
                y = 0;
            }
            for (; index < end; ++index) {
                // Taller than anything fits: at least one line per page, so the text always ends.
                if (y > 0 && y + m_body[index].height > bodyHeight(page)) {
                    ++page;
                    y = 0;
                }
                m_placements[index] = {page, y};
                y += m_body[index].height;
            }
        }
        m_count = page + 1;
    }

    void drawHeader(QPainter& painter) const
    {
        double y = padding;
        for (const Line& line : m_header) {
            line.layout->draw(&painter, QPointF(padding, y));
            y += line.height;
        }
    }

    QSizeF m_paper;
    std::vector<Line> m_header;
    std::vector<Line> m_body;
    std::vector<Placement> m_placements;
    int m_count = 1;
};

void prepare(QPdfWriter& writer, const QPageSize& paper)
{
    writer.setResolution(pointsPerInch);
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point,
                                     QMarginsF(0, 0, 0, 0)));
}

} // namespace

QPageSize paperFor(const QLocale& locale)
{
    const bool letter = locale.territory() == QLocale::UnitedStates || locale.territory() == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

int pageCount(const QString& text, const QPageSize& paper)
{
    // A writer on no device measures exactly as the one that writes.
    QPdfWriter writer(static_cast<QIODevice*>(nullptr));
    prepare(writer, paper);
    return Pages(text, paper, writer).count();
}

bool write(QIODevice& device, const QString& text, QString* errorDescription, const QPageSize& paper)
{
    QPdfWriter writer(&device);
    prepare(writer, paper);
    writer.setCreator(QStringLiteral("Zuzuze Vizozod"));
    const Pages pages(text, paper, writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (errorDescription)
            *errorDescription = QStringLiteral("The PDF document could not be created.");
        return false;
    }
    pages.draw(painter, writer);
    painter.end();
    return true;
}

} // namespace PdfTextPage
