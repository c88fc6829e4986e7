#pragma once

#include <QString>

// The root of the class library's object model: every object can name its
// class, which messages such as "Cannot assign data from a %s class" show.
class TObject {
public:
    virtual ~TObject() = default;
    QString ClassName() const;
};

// An object that can be copied into another through Assign and AssignTo.
class TPersistent : public TObject {
public:
    // Asks Source to copy itself into this object; raises when it cannot.
    virtual void Assign(TPersistent* Source);

protected:
    // Raises "Cannot assign a %s to a %s" (or "nil" for no source).
    virtual void AssignTo(TPersistent* Dest);
    void AssignError(TPersistent* Source);
};
