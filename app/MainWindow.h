#pragma once

#include <QMainWindow>

#include <memory>

class DBItemCollection;
class LogXML;
class QSettings;
class WidgetReporter;

// The one top-level window: it owns the log, the open database and the window's settings.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    DBItemCollection* collection() const;
    LogXML* log() const;
    QString currentFileName() const;

Q_SIGNALS:
    void message(const QString& text, int milliseconds);
    void message(const QString& text);

public Q_SLOTS:
    void FileNew();
    void Quit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool shutDown();

    QString mCurrentFileName;
    std::unique_ptr<WidgetReporter> m_reporter;
    std::unique_ptr<LogXML> m_log;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
};
