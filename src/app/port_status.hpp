#pragma once

namespace vertanum::app {

// What the command enabling needs to know of the parallel-port layer: whether its driver is
// open and how many ports it reports.
class PortStatus {
  public:
    virtual ~PortStatus() = default;
    virtual bool DriverOpened() const = 0;
    virtual int PortCount() const = 0;
};

// A port layer that is not there: no driver, no ports. Programming and the report stay
// disabled, editing works.
class NoPortStatus : public PortStatus {
  public:
    bool DriverOpened() const override { return false; }
    int PortCount() const override { return 0; }
};

}  // namespace vertanum::app
