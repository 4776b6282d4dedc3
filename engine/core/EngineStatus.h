#pragma once

// The error flag of one analysis together with the status code it will report. Every
// phase of an entry point (read, build, solve, report) raises it on failure; the entry
// point tests it after each phase and skips the later ones.
//
// Status codes by analysis (their texts live in the catalogue tvx.err):
//   1-9    power flow                  50-59  short circuit
//   20-29  observability               60-69  transient stability
//   30-39  WLS state estimation        70-79  optimal power flow
//   40-49  LAV state estimation        80     transient plot file too long (editor)
//   90-99  meter placement             100, 101, 200  editor checks before a run
namespace tarvex::engine {

class EngineStatus {
public:
    void reset() {
        m_failed = false;
        m_code = 0;
    }
    // The first failure of a run wins; a later call keeps the code already reported.
    void fail(int code) {
        if (m_failed) return;
        m_failed = true;
        m_code = code;
    }
    bool failed() const { return m_failed; }
    int code() const { return m_code; }

private:
    bool m_failed = false;
    int m_code = 0;
};

} // namespace tarvex::engine
