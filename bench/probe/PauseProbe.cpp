// Measures the program from inside its own event loop, without a line of the program
// changed: loaded with LD_PRELOAD, it starts when the program's QApplication is made.
//
// - A 1 ms timer on the window's thread: every gap between two of its turns longer than
//   TESSALINE_PROBE_MIN_GAP ms (default 20) is a pause of the event loop.
// - The first paint of the pivot grid with a result, and every later result painted.
// - A script of user actions (TESSALINE_PROBE_SCRIPT), each run a while after the result
//   before it was painted: "click:<node text>" clicks that node of the report tree.
//   The program is closed TESSALINE_PROBE_LINGER ms (default 3000) after the last result.
//
// Writes its findings to TESSALINE_PROBE_OUT (else stderr) as they come, one line each,
// times in ms from the moment the QApplication was made (the program may end without
// returning from its event loop):
//   shown <ms>                the pivot grid first painted, with or without a result
//   painted <ms> <rows>       a result of <rows> rows painted in the pivot grid
//   action <ms> <text>        an action of the script
//   pause <start ms> <length ms>
//   memory <peak MB> <held MB>  the process's peak and resident memory as the program closes

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

namespace {

class Probe : public QObject
{
public:
    Probe()
    {
        m_clock.start();
        m_minGap = qEnvironmentVariableIntValue("TESSALINE_PROBE_MIN_GAP");
        if (m_minGap <= 0)
            m_minGap = 20;
        m_linger = qEnvironmentVariableIntValue("TESSALINE_PROBE_LINGER");
        if (m_linger <= 0)
            m_linger = 3000;
        const QString script = qEnvironmentVariable("TESSALINE_PROBE_SCRIPT");
        if (!script.isEmpty())
            m_script = script.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        m_beat.setTimerType(Qt::PreciseTimer);
        m_beat.setInterval(1);
        connect(&m_beat, &QTimer::timeout, this, [this] { beat(); });
        m_lastBeat = 0;
        m_beat.start();
        qApp->installEventFilter(this);
    }

    void write(const QString& line)
    {
        if (!m_out.isOpen()) {
            m_out.setFileName(qEnvironmentVariable("TESSALINE_PROBE_OUT"));
            if (m_out.fileName().isEmpty() || !m_out.open(QIODevice::WriteOnly | QIODevice::Text))
                (void)m_out.open(stderr, QIODevice::WriteOnly | QIODevice::Text);
        }
        m_out.write((line + QLatin1Char('\n')).toUtf8());
        m_out.flush();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seePaint(watched);
        return false;
    }

private:
    qint64 now() const { return m_clock.elapsed(); }

    void beat()
    {
        const qint64 at = now();
        const qint64 gap = at - m_lastBeat;
        if (gap > m_minGap)
            write(QStringLiteral("pause %1 %2").arg(m_lastBeat).arg(gap));
        m_lastBeat = at;
    }

    // The grid of the pivot table: a table view inside the control named pivReports.
    QAbstractItemView* grid()
    {
        if (m_grid)
            return m_grid;
        for (QWidget* w : QApplication::allWidgets()) {
            if (w->objectName() != QLatin1String("pivReports"))
                continue;
            for (auto* view : w->findChildren<QAbstractItemView*>())
                if (view->inherits("QTableView")) {
                    m_grid = view;
                    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { m_resultShown = true; });
                    m_resultShown = view->model()->rowCount() > 0;
                }
        }
        return m_grid;
    }

    void seePaint(QObject* watched)
    {
        QAbstractItemView* view = grid();
        if (!view || watched != view->viewport())
            return;
        if (!m_shown) {
            m_shown = true;
            write(QStringLiteral("shown %1").arg(now()));
        }
        if (!m_resultShown || view->model()->rowCount() == 0)
            return;
        m_resultShown = false;
        write(QStringLiteral("painted %1 %2").arg(now()).arg(view->model()->rowCount()));
        // The next action a while after each result, then the end.
        if (m_next < m_script.size())
            QTimer::singleShot(1500, this, [this] { act(m_script[m_next++]); });
        else
            QTimer::singleShot(m_linger, this, [this] {
                writeMemory();
                for (QWidget* w : QApplication::topLevelWidgets())
                    w->close();
            });
    }

    // Peak (VmHWM) and resident (VmRSS) memory of the whole process, from the kernel.
    void writeMemory()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        qint64 peakKb = 0;
        qint64 heldKb = 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts[0] == "VmHWM:")
                peakKb = parts[1].toLongLong();
            else if (parts.size() >= 2 && parts[0] == "VmRSS:")
                heldKb = parts[1].toLongLong();
        }
        write(QStringLiteral("memory %1 %2").arg(peakKb / 1024).arg(heldKb / 1024));
    }

    void act(const QString& action)
    {
        write(QStringLiteral("action %1 %2").arg(now()).arg(action));
        if (action.startsWith(QLatin1String("click:")))
            click(action.mid(6));
    }

    void click(const QString& nodeText)
    {
        for (QWidget* w : QApplication::allWidgets()) {
            auto* tree = qobject_cast<QTreeWidget*>(w);
            if (!tree || tree->objectName() != QLatin1String("treReports"))
                continue;
            const QList<QTreeWidgetItem*> found = tree->findItems(nodeText, Qt::MatchExactly | Qt::MatchRecursive);
            if (found.isEmpty())
                continue;
            tree->scrollToItem(found.first());
            const QPoint at = tree->visualItemRect(found.first()).center();
            const QPoint global = tree->viewport()->mapToGlobal(at);
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, global, Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(tree->viewport(), &event);
            }
            return;
        }
        write(QStringLiteral("action %1 no-node %2").arg(now()).arg(nodeText));
    }

    QElapsedTimer m_clock;
    QTimer m_beat;
    qint64 m_lastBeat = 0;
    int m_minGap = 20;
    int m_linger = 3000;
    QStringList m_script;
    int m_next = 0;
    QFile m_out;
    QPointer<QAbstractItemView> m_grid;
    bool m_resultShown = false;
    bool m_shown = false;
};

Probe* probe = nullptr;

void start()
{
    probe = new Probe;
}

}

Q_COREAPP_STARTUP_FUNCTION(start)
