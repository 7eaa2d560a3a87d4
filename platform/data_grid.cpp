#include "platform/data_grid.h"

#include "platform/display_format.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString displayText(const QVariant &value, const QString &format)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    default:
        break;
    }
    if (!format.isEmpty()) {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (isNumber)
            return formatNumber(number, format);
    }
    return value.toString();
}

} // namespace

class RecordTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    QList<GridColumn> columns;
    QList<QSqlRecord> records;

    void reset(const QList<GridColumn> &newColumns, const QList<QSqlRecord> &newRecords)
    {
        beginResetModel();
        columns = newColumns;
        records = newRecords;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(records.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns.size());
    }

    QVariant value(int row, int column) const { return records[row].value(columns[column].field); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant raw = value(index.row(), index.column());
        switch (role) {
        case Qt::DisplayRole:
            return displayText(raw, columns[index.column()].format);
        case Qt::UserRole: // sorting and filtering compare the values themselves
            return raw;
        case Qt::TextAlignmentRole: {
            const bool number = raw.typeId() == QMetaType::Double || raw.typeId() == QMetaType::Int
                || raw.typeId() == QMetaType::LongLong;
            return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < columns.size())
            return columns[section].header;
        return {};
    }
};

class GridFilterModel : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    QStringList filters; // one text per column; a row shows when each column contains its text

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        for (int column = 0; column < filters.size(); ++column) {
            if (filters[column].isEmpty())
                continue;
            const QString shown = sourceModel()->index(row, column).data().toString();
            if (!shown.contains(filters[column], Qt::CaseInsensitive))
                return false;
        }
        return true;
    }
};

// The footer strip: each summary's text drawn under its column.
class GridFooter : public QWidget
{
public:
    GridFooter(QTableView *view, QWidget *parent)
        : QWidget(parent)
        , m_view(view)
    {
        setFixedHeight(fontMetrics().height() + 8);
    }

    QList<QPair<int, QString>> texts; // column, text

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const int offset = m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0;
        for (const auto &[column, text] : texts) {
            const int x = offset + m_view->horizontalHeader()->sectionViewportPosition(column) + m_view->frameWidth();
            const QRect cell(x + 2, 0, m_view->horizontalHeader()->sectionSize(column) - 4, height());
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }

private:
    QTableView *m_view;
};

DataGrid::DataGrid(QWidget *parent)
    : QWidget(parent)
    , m_view(new QTableView(this))
    , m_model(new RecordTableModel(this))
    , m_proxy(new GridFilterModel(this))
    , m_footer(new GridFooter(m_view, this))
    , m_filterRow(new QWidget(this))
    , m_filterLayout(new QHBoxLayout(m_filterRow))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(Qt::UserRole);
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setWordWrap(true);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    // Sorted by a click on a header, or by sortBy(); shown in their own order until then.
    m_view->setSortingEnabled(true);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setFocusProxy(m_view);

    m_filterLayout->setContentsMargins(0, 0, 0, 0);
    m_filterRow->hide();
    m_footer->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterRow);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this] { emit focusedRowChanged(focusedRow()); });
    const auto repaintFooter = [this] { m_footer->update(); };
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, repaintFooter);
    connect(m_view->horizontalHeader(), &QHeaderView::geometriesChanged, this, repaintFooter);
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    m_model->reset(columns, m_model->records);
    bool stretched = false;
    for (int i = 0; i < columns.size(); ++i) {
        m_view->setColumnHidden(i, columns[i].hidden);
        if (columns[i].stretch) {
            m_view->horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
            stretched = true;
        }
    }
    m_view->horizontalHeader()->setStretchLastSection(!stretched);

    qDeleteAll(m_filters);
    m_filters.clear();
    for (int i = 0; i < columns.size(); ++i) {
        auto *filter = new QLineEdit(m_filterRow);
        filter->setObjectName(columns[i].name + QStringLiteral("Filter"));
        filter->setVisible(!columns[i].hidden);
        m_filterLayout->addWidget(filter);
        m_filters.append(filter);
        connect(filter, &QLineEdit::textChanged, this, [this] {
            auto *proxy = static_cast<GridFilterModel *>(m_proxy);
            proxy->filters.clear();
            for (const QLineEdit *box : std::as_const(m_filters))
                proxy->filters.append(box->text());
            proxy->invalidate();
        });
    }
}

void DataGrid::setSummaries(const QList<GridSummary> &summaries, bool footerVisible)
{
    m_summaries = summaries;
    m_footer->setVisible(footerVisible);
    updateFooter();
}

void DataGrid::setFilterRowVisible(bool visible)
{
    m_filterRow->setVisible(visible);
}

void DataGrid::sortBy(const QString &columnName, Qt::SortOrder order)
{
    for (int i = 0; i < m_model->columns.size(); ++i) {
        if (m_model->columns[i].name == columnName)
            m_view->sortByColumn(i, order);
    }
}

void DataGrid::setRows(const QList<QSqlRecord> &rows)
{
    m_model->reset(m_model->columns, rows);
    m_view->resizeColumnsToContents();
    m_view->resizeRowsToContents();
    updateFooter();
    emit focusedRowChanged(focusedRow());
}

const QList<QSqlRecord> &DataGrid::rows() const
{
    return m_model->records;
}

int DataGrid::rowCount() const
{
    return int(m_model->records.size());
}

double DataGrid::summary(int index) const
{
    const GridSummary &summary = m_summaries.at(index);
    if (summary.kind == GridSummary::Count)
        return double(m_model->records.size());
    double sum = 0;
    for (const QSqlRecord &record : m_model->records)
        sum += record.value(summary.field).toDouble();
    return sum;
}

QString DataGrid::summaryText(int index) const
{
    return formatNumber(summary(index), m_summaries.at(index).format);
}

void DataGrid::updateFooter()
{
    m_footer->texts.clear();
    for (int i = 0; i < m_summaries.size(); ++i) {
        for (int column = 0; column < m_model->columns.size(); ++column) {
            if (m_model->columns[column].name == m_summaries[i].column)
                m_footer->texts.append({ column, summaryText(i) });
        }
    }
    m_footer->update();
}

int DataGrid::focusedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_proxy->mapToSource(current).row() : -1;
}

void DataGrid::focusRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        m_view->setCurrentIndex(QModelIndex());
        return;
    }
    int column = 0;
    while (column < m_model->columns.size() && m_model->columns[column].hidden)
        ++column;
    const QModelIndex index = m_proxy->mapFromSource(m_model->index(row, column));
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void DataGrid::moveFocus(Move move)
{
    const int shown = m_proxy->rowCount();
    if (shown == 0)
        return;
    const int current = m_view->currentIndex().isValid() ? m_view->currentIndex().row() : 0;
    int target = 0;
    switch (move) {
    case Move::First:
        target = 0;
        break;
    case Move::Prior:
        target = std::max(0, current - 1);
        break;
    case Move::Next:
        target = std::min(shown - 1, current + 1);
        break;
    case Move::Last:
        target = shown - 1;
        break;
    }
    focusRow(m_proxy->mapToSource(m_proxy->index(target, 0)).row());
}

QStringList DataGrid::displayedRow(int displayRow) const
{
    QStringList texts;
    for (int column = 0; column < m_model->columns.size(); ++column) {
        if (!m_model->columns[column].hidden)
            texts.append(m_proxy->index(displayRow, column).data().toString());
    }
    return texts;
}
