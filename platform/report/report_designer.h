#pragma once

#include "platform/report/report_layout.h"

#include <QDialog>
#include <QSqlRecord>
#include <QTimer>

class QLabel;
class QPlainTextEdit;

// The least designer that lets a layout be changed: its file text, edited
// with a live preview over sample rows, saved back to its file.
class ReportDesigner : public QDialog
{
    Q_OBJECT

public:
    ReportDesigner(const ReportLayout &layout, const QString &filePath, const QList<QSqlRecord> &sampleRows,
        QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_editor; }
    void saveClick(); // writes the file; a layout that does not read is refused

private:
    void refreshPreview();

    QString m_filePath;
    QList<QSqlRecord> m_rows;
    QPlainTextEdit *m_editor;
    QLabel *m_preview;
    QLabel *m_problem;
    QTimer m_refresh;
};
