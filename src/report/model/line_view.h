// Line views: a non-diagonal line runs along the longer side of its bounds
// and its Frame.Typ names the drawn edge; a diagonal one joins two corners.
#pragma once

#include "report/model/view.h"

namespace rq::report::model {

class TfrxCustomLineView : public TfrxStretcheable {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TfrxCustomLineView() { fullSerialize_ = false; }

    bool Diagonal() const { return diagonal_; }
    void SetDiagonal(bool v) { diagonal_ = v; }

private:
    bool diagonal_ = false;
};

class TfrxLineView : public TfrxCustomLineView {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obLine"; }
};

} // namespace rq::report::model
