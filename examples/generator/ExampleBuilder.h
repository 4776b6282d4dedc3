#pragma once

#include <string>
#include <vector>

class CSkemtorApp;
class CSkemtorDoc;
class CSourceRecord;

// Turns the records of one example source file into a document, element by element in
// file order, as a user would draw them with the editor's tools: each element is made
// with its placing constructor (so it carries the placing defaults), then given the
// values a dialog would take, after the editor's placement rules have accepted it.
// The application receives the case name and MVA base.
//
// The source format is described at the top of every file in examples/source.
class CExampleBuilder {
public:
    CExampleBuilder(CSkemtorDoc& doc, CSkemtorApp& app, std::string fileName);

    // Reads the whole text; throws CSourceError at the first fault.
    void Read(const std::string& text);

private:
    void Add(const CSourceRecord& record);
    void AddCase(const CSourceRecord& record);
    void AddBus(const CSourceRecord& record);
    void AddLine(const CSourceRecord& record, bool transformer);
    void AddCapacitor(const CSourceRecord& record);
    void AddBreaker(const CSourceRecord& record);
    void AddGenerator(const CSourceRecord& record);
    void AddFlowMeter(const CSourceRecord& record);
    void AddCurrentMeter(const CSourceRecord& record);
    void AddInjectionMeter(const CSourceRecord& record);
    void AddVoltageMeter(const CSourceRecord& record);
    void AddFault(const CSourceRecord& record);
    void AddZground(const CSourceRecord& record);
    // Whole-network rules once every record is in: one slack bus, numbers 1..N.
    void CheckNetwork() const;

    CSkemtorDoc& m_doc;
    CSkemtorApp& m_app;
    std::string m_fileName;
    int m_caseLine = 0;
    std::vector<int> m_busLines;
};
