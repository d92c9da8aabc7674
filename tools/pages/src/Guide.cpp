#include "PageTexts.h"

namespace Pages {

namespace {

Page gettingStarted() {
    return {"guide1.wmf",
            "Teachers' Guide 1: Getting Started",
            Drawing::Screen,
            {
                heading("The main menu"),
                para("The Orvelles is a history program for primary-school pupils with three "
                     "topics: \"The Orvelles\", about the royal family, \"Rich and Poor\" and "
                     "\"Ships and Explorers\". "
                     "Click a topic's name on the main menu to open it. Topic names shown in "
                     "grey cannot be chosen."),
                bullet("Teachers' Guide: these pages. Acknowledgments: who made the program."),
                bullet("Multiple Choice Wizard and Worksheet Catalogue: your own worksheets "
                       "(page 4 of this guide). Exit closes the program."),
                heading("Sound"),
                para("Choose Sound On or Sound Off at the top right of the main menu. Sound is "
                     "switched on again each time the main menu opens."),
                heading("The topic menu"),
                para("Each topic opens with its picture. Key Facts and Teacher's Notes are at "
                     "the top; Multiple Choice, Labelling Activity and Ordering Activity are "
                     "along the bottom, with Exit to go back to the main menu. Entries light up "
                     "when the pointer is over them: click once to choose."),
            }};
}

Page activities() {
    return {"guide2.wmf",
            "Teachers' Guide 2: The Activities",
            Drawing::Star,
            {
                heading("Multiple Choice"),
                para("Ten questions, one at a time, each with four answers. Pupils click an "
                     "answer, then \"Next Question\u00A0>>\" or \"<<\u00A0Previous Question\". At "
                     "question "
                     "10, \"Check Score\u00A0>>\" marks the quiz. \"Print Worksheet\" prints the "
                     "questions and answers on paper, without showing which is right."),
                heading("Labelling and Ordering"),
                para("Pupils drag each label from the bottom of the screen into the box where "
                     "it belongs; a label dropped near a box jumps into it. When every label is "
                     "in a box, \"Check Score\" appears. \"Start Again\" puts the labels back."),
                heading("Results and certificate"),
                bullet("With full marks, pupils type their name and click \"Print "
                       "Certificate\"."),
                bullet("After the quiz, \"Check Wrong Answers\" lists the questions answered "
                       "wrongly."),
                bullet("After labelling or ordering, pupils read the Key Facts and try again."),
            }};
}

Page printing() {
    return {"guide3.wmf",
            "Teachers' Guide 3: Pages and Printing",
            Drawing::Printer,
            {
                heading("Reading the pages"),
                para("Key Facts and Teacher's Notes open as pages on the screen. \"Next Page\" "
                     "and \"Previous Page\" turn the pages; the label between them reads, for "
                     "example, Page 1 of 2. Exit closes the pages."),
                heading("What you can print"),
                bullet("Worksheets: \"Print Worksheet\" on the quiz screen."),
                bullet("Certificates: \"Print Certificate\" after full marks."),
                bullet("Pages: \"Print\" at the top right prints the page on the screen, laid "
                       "out in black on white for an A4 or Letter sheet. This guide prints the "
                       "same way, one page at a time."),
                heading("The printer"),
                para("Everything goes straight to the computer's default printer, one page "
                     "each time: there is no print dialog. Check that it is switched on and "
                     "has paper. Worksheets and certificates say whether printing worked."),
            }};
}

Page ownWorksheets() {
    return {"guide4.wmf",
            "Teachers' Guide 4: Your Own Worksheets",
            Drawing::Book,
            {
                heading("The Multiple Choice Wizard"),
                para("Type a title, ten questions and four answers A to D for each; tick the "
                     "one correct answer and click \"Save Worksheet\". The wizard says which "
                     "question is unfinished or has no tick or more than one. Saving under the "
                     "same title again replaces that worksheet."),
                heading("The Worksheet Catalogue"),
                para("Click a name to open it as a quiz; tick \"Edit Worksheet\" first to "
                     "change it, or \"Delete Worksheet\" to take it off the list. Worksheets "
                     "are saved in the \"multiple\" folder: \".local/share/orvelles\" in your "
                     "home folder, or the school's shared folder."),
                heading("More for the classroom"),
                para("Right-click a name in the catalogue to print its answer key or export it "
                     "(GIFT, Aiken, Moodle XML, web page); right-click the wizard or press "
                     "Ctrl+I to import questions. Right-click an activity to print it or its "
                     "answers. F11 fills a whiteboard. Without a mouse: Tab moves, Enter "
                     "presses, Escape leaves; on a board Enter lifts a label and drops it in "
                     "the box chosen with the arrow keys. F1 on any screen shows the keys."),
                heading("Class mode"),
                para("Right-click the catalogue or press Ctrl+R there for Class Results, where "
                     "you can turn class mode on. Pupils then sign in with a first name; every "
                     "quiz and board is "
                     "kept in the \"record\" folder, and \"Try these again\" gives another go "
                     "at the questions a pupil got wrong."),
            }};
}

Page keys() {
    return {"guide5.wmf",
            "Teachers' Guide: Keys and Screen Readers",
            Drawing::Screen,
            {
                heading("Every screen"),
                para("Tab and Shift+Tab move between entries; Enter or Space chooses one. "
                     "Escape leaves the screen, and asks first in the middle of a quiz or a "
                     "board. F1 shows this page; F11 fills a whiteboard. A screen reader such "
                     "as Orca says each screen's name as it opens."),
                heading("Multiple Choice"),
                para("Each question is read out as it appears, with the pupil at its answers "
                     "and none chosen. The Down and Up arrows choose an answer; Enter goes to "
                     "the next question. The score is read out at the end; Tab reads the "
                     "wrong answers one by one."),
                heading("Labelling and Ordering"),
                para("Tab reaches each label; Enter lifts it, the arrow keys choose a box and "
                     "Enter drops it there. Escape puts a lifted label back."),
                heading("Results"),
                para("With full marks, the pupil types a name in the box and presses Enter "
                     "to print the certificate."),
            }};
}

} // namespace

QList<Page> guidePages() {
    return {gettingStarted(), activities(), printing(), ownWorksheets(), keys()};
}

Page acknowledgementsPage() {
    Page page{"acknowledgments.wmf",
              "Acknowledgments",
              Drawing::Star,
              {
                  heading("The Orvelles"),
                  para("Published by Quenmark Publishing Ltd."),
                  columns({"Author", "Programming", "Series editor", "Maren Ashcombe", "Tobin Vell",
                           "Idris Penhallow"}),
                  heading("Thank you"),
                  para("to the teachers and pupils who tried out the activities and helped to "
                       "make them better."),
                  para("All the pictures, pages and sounds were made for this program."),
                  para("\u00A9 Quenmark Publishing Ltd. All rights reserved."),
              }};
    page.screenWidth = 8800;
    return page;
}

QList<Page> allPages() {
    return keyFactPages() + teacherNotePages() + guidePages() + QList<Page>{acknowledgementsPage()};
}

} // namespace Pages
