// A Qt generic plugin for the installed window, which has no way of its own to say what it shows:
// loaded with QT_QPA_GENERIC_PLUGINS=vantreltitleprobe, it prints the title of the first
// top-level window the platform exposes, with the platform's name, and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QTextStream>
#include <QWindow>

namespace {

class TitleProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWindow*>(watched);
    if (!reported_ && event->type() == QEvent::Expose && window && window->isTopLevel() &&
        window->isExposed()) {
      reported_ = true;
      QTextStream out(stdout);
      out << "platform: " << QGuiApplication::platformName() << "\n"
          << "title: " << window->title() << "\n"
          << "icon: " << (QGuiApplication::windowIcon().isNull() ? "none" : "set") << "\n";
      out.flush();
      // After the event: the window finishes its own handling of the exposure first.
      QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                                Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

class TitleProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "title_probe.json")

 public:
  QObject* create(const QString& key, const QString& parameters) override {
    Q_UNUSED(key);
    Q_UNUSED(parameters);
    // Without a parent: the application deletes the objects its generic plugins create.
    auto* probe = new TitleProbe;
    QCoreApplication::instance()->installEventFilter(probe);
    return probe;
  }
};

#include "title_probe.moc"
