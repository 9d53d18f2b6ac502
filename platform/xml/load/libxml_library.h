#pragma once
// libxml2 and libxslt are opened when a document first needs them (a
// catalog look-up, a RELAX NG grammar, Schematron rules), not when Corvane
// starts: with ICU behind them, loading them took a quarter of the time a
// small document without such a need takes to check.
//
// Code that uses them calls through Libxml(): the functions are those the
// libraries declare, looked up once by name.

#include <libxml/catalog.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/relaxng.h>
#include <libxml/tree.h>
#include <libxml/uri.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <libxslt/functions.h>
#include <libxslt/keys.h>
#include <libxslt/pattern.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#define CORVANE_LIBXML_FUNCTIONS(F)                                                                                   \
    F(xmlAddPrevSibling) F(xmlBuildURI) F(xmlCatalogCleanup) F(xmlCatalogResolve) F(xmlCatalogResolveSystem)         \
    F(xmlCatalogResolveURI) F(xmlCatalogSetDefaults) F(xmlCtxtGetLastError) F(xmlCtxtReadFile) F(xmlDocCopyNode)      \
    F(xmlDocCopyNodeList) F(xmlDocGetRootElement) F(xmlDocSetRootElement) F(xmlFreeDoc) F(xmlFreeNode)                 \
    F(xmlFreeParserCtxt) F(xmlFreeParserInputBuffer) F(xmlFreeTextReader) F(xmlGetDocEntity)                          \
    F(xmlGetExternalEntityLoader) F(xmlGetLineNo) F(xmlGetNoNsProp) F(xmlGetNsProp) F(xmlHasNsProp) F(xmlHasProp)    \
    F(xmlInitParser) F(xmlInitializeCatalog) F(xmlNewDoc) F(xmlNewDocNode) F(xmlNewIOInputStream) F(xmlNewNs)         \
    F(xmlNewParserCtxt) F(xmlNodeAddContent) F(xmlNodeGetBase) F(xmlNodeGetContent) F(xmlNodeSetBase)                 \
    F(xmlParserInputBufferCreateMem) F(xmlReadMemory) F(xmlReaderForFd) F(xmlReaderForMemory)                         \
    F(xmlRegisterInputCallbacks) F(xmlRelaxNGFree) F(xmlRelaxNGFreeParserCtxt) F(xmlRelaxNGNewDocParserCtxt)          \
    F(xmlRelaxNGParse) F(xmlRelaxNGSetParserStructuredErrors) F(xmlReplaceNode) F(xmlSearchNs)                        \
    F(xmlSetExternalEntityLoader) F(xmlSetGenericErrorFunc) F(xmlSetStructuredErrorFunc) F(xmlStrEqual) F(xmlStrdup) \
    F(xmlTextReaderConstName) F(xmlTextReaderConstNamespaceUri) F(xmlTextReaderCurrentNode)                            \
    F(xmlTextReaderGetParserLineNumber) F(xmlTextReaderIsValid) F(xmlTextReaderNodeType) F(xmlTextReaderRead)        \
    F(xmlTextReaderRelaxNGSetSchema) F(xmlTextReaderSetStructuredErrorHandler) F(xmlURIUnescapeString)               \
    F(xmlUnlinkNode) F(xmlXPathCastToBoolean) F(xmlXPathCastToString) F(xmlXPathCompiledEval) F(xmlXPathCtxtCompile) \
    F(xmlXPathFreeCompExpr) F(xmlXPathFreeContext) F(xmlXPathFreeObject) F(xmlXPathNewContext) F(xmlXPathObjectCopy) \
    F(xmlXPathOrderDocElems) F(xmlXPathRegisterVariableLookup) F(xsltAddKey) F(xsltCompilePattern)                    \
    F(xsltFreeCompMatchList) F(xsltFreeSecurityPrefs) F(xsltFreeStylesheet) F(xsltFreeTransformContext)              \
    F(xsltNewSecurityPrefs) F(xsltNewStylesheet) F(xsltNewTransformContext) F(xsltRegisterAllFunctions)              \
    F(xsltSecurityForbid) F(xsltSetCtxtParseOptions) F(xsltSetCtxtSecurityPrefs) F(xsltSetGenericErrorFunc)          \
    F(xsltSetSecurityPrefs) F(xsltSetTransformErrorFunc) F(xsltTestCompMatchList)

struct LibxmlLibrary {
#define CORVANE_LIBXML_MEMBER(name) decltype(&::name) name = nullptr;
    CORVANE_LIBXML_FUNCTIONS(CORVANE_LIBXML_MEMBER)
#undef CORVANE_LIBXML_MEMBER
    // What the libraries keep in variables (the allocator's release and the
    // error handlers they start with), read through these.
    xmlFreeFunc* xmlFree = nullptr;
    xmlGenericErrorFunc* (*xmlGenericErrorHandler)() = nullptr;
    void** (*xmlGenericErrorHandlerContext)() = nullptr;
    xmlGenericErrorFunc* xsltGenericError = nullptr;
    void** xsltGenericErrorContext = nullptr;

    void Free(void* memory) const { (*xmlFree)(memory); }
};

// The libraries, opened once per process. When they cannot be opened (an
// installation that lacks them), the message says so on standard error and
// the process ends: inside the worker, that is a worker that failed, which
// the load reports.
const LibxmlLibrary& Libxml();
