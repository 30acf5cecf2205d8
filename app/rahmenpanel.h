#pragma once
// A child panel that so far has only the frame every panel shares: title, menus, back button,
// "?" toggle, connection picture and error indicator. The characteristic and direct panels are
// loaded like this; the navigation does not lead to them.

#include "ui/childpanel.h"

class Rahmenpanel : public ChildPanel {
  Q_OBJECT
 public:
  Rahmenpanel(ShellDienste& shell, int nummer, const QString& titel, QWidget* eltern = nullptr);
};
