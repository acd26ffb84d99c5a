#include "metafile.h"

#include "parser.h"
#include "player.h"

#include <QPainter>

namespace wmf {

Metafile::Metafile() = default;
Metafile::~Metafile() = default;
Metafile::Metafile(const Metafile &other) = default;
Metafile &Metafile::operator=(const Metafile &other) = default;

bool Metafile::load(const QByteArray &data, QString *error)
{
    auto parsed = std::make_shared<ParsedMetafile>();
    if (!Parser::parse(data, parsed.get(), error)) {
        m_parsed.reset();
        m_natural = QSize();
        return false;
    }
    m_natural = computeFrame(*parsed).natural;
    m_parsed = std::move(parsed);
    return true;
}

bool Metafile::isNull() const
{
    return !m_parsed;
}

QSize Metafile::naturalSize() const
{
    return m_natural;
}

void Metafile::render(QPainter &painter) const
{
    if (!m_parsed || !painter.isActive())
        return;
    Player player(*m_parsed, painter);
    player.play();
}

bool Metafile::looksLikeMetafile(const QByteArray &head)
{
    return Parser::looksLikeMetafile(head);
}

QStringList Metafile::warnings() const
{
    return m_parsed ? m_parsed->warnings : QStringList();
}

const ParsedMetafile *Metafile::parsed() const
{
    return m_parsed.get();
}

} // namespace wmf
