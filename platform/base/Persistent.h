#pragma once
// TPersistent: the root of the class library's objects that can be copied into one
// another with Assign. It lives here, below the drawing layer, because the graphics
// classes of platform/gdi (fonts, pens, brushes, graphics) take part in the same
// copying protocol as the components of platform/ui, and gdi may not use ui.
//
// The protocol: Dest.Assign(Source) copies when Dest knows Source's class; otherwise
// it asks Source.AssignTo(Dest), which copies when Source knows Dest's class; when
// neither does, EConvertError "Cannot assign a <source class> to a <dest class>".

#include <functional>

#include "platform/base/Strings.h"

class TPersistent {
 public:
  virtual ~TPersistent() = default;

  // Copies ASource into this object. Overrides copy what they know and call the
  // inherited Assign for everything else.
  virtual void Assign(const TPersistent& ASource);
  // The class's name as written in the source ("TFont"), for messages and for window
  // class names.
  String ClassName() const;

 protected:
  // Copies this object into ADest when this class knows ADest's class; the default
  // raises EConvertError.
  virtual void AssignTo(TPersistent& ADest) const;
};

// The class library calls every sender a TObject; here that is the copyable root.
using TObject = TPersistent;
// The plain event: something happened to Sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;
