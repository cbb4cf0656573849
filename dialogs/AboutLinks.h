// Targets of the two links of the About box. Plain macros, so that the
// resource script, the dialog code and the tests can all use them.
#pragma once

// Product home page, opened by the "Visit the Varnello Home Page" link.
#define VARNELLO_HOME_PAGE_URL "https://varnello.example.org/"

// Support address; the "Contact the Author" link opens "mailto:" + this.
#define VARNELLO_SUPPORT_EMAIL "support@varnello.example.org"
