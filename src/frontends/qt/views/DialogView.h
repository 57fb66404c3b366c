#pragma once
#include <QDialog>
#include <functional>

#include "platform/Dialog.h"

namespace gw {

class QtPlatform;

// The common frame of every dialog view: registered with the platform while shown, centred on
// the screen, and closed only by the core (CloseDialog). The frame's close box and Escape call
// the dialog's own close handler instead, which decides.
class DialogView : public QDialog {
 public:
  DialogView(QtPlatform& ui, Dialog& dialog, const QString& caption);
  ~DialogView() override;

  // Runs modally; returns when the core closed the dialog.
  void Run();
  void SetCloseHandler(std::function<void()> handler) { onClose_ = std::move(handler); }

 protected:
  void reject() override;

 private:
  QtPlatform& ui_;
  Dialog& dialog_;
  std::function<void()> onClose_;
};

}  // namespace gw
