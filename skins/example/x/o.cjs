/* Velmora example skin: "Felt".
   A Qt style sheet. Copy the folder "x" that holds this file beside the
   program (next to velmora / velmora.exe) and start the program. */

/* The window and its frames: a quiet warm grey with card-table green accents. */
Form1 {
    background: #f3f1ec;
}

QGroupBox {
    background: #fbfaf7;
    border: 1px solid #d6d1c4;
    border-radius: 6px;
    /* The title sits on the top edge, which runs through its middle. */
    margin-top: 7px;
    color: #2f4a3a;
}

QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 10px;
    padding: 0 5px;
    /* The window's colour, so the title cuts the frame's edge. */
    background: #f3f1ec;
    color: #2f5d46;
}

/* Text fields and the list of drawn cards. */
QLineEdit, QListWidget {
    background: #ffffff;
    border: 1px solid #c9c3b4;
    border-radius: 4px;
    color: #1f2a24;
    selection-background-color: #2f7d57;
    selection-color: #ffffff;
}

QLineEdit {
    padding: 1px 6px;
}

/* The focused field or list: a wider green edge, the padding one pixel less
   so the text stays where it was. */
QLineEdit:focus, QListWidget:focus {
    border: 2px solid #2f7d57;
}

QLineEdit:focus {
    padding: 0 5px;
}

QListWidget::item:selected {
    background: #2f7d57;
    color: #ffffff;
}

/* Push buttons: felt green, lighter under the mouse, darker when pressed. */
QPushButton {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #3d8f66, stop: 1 #2c6e4e);
    border: 1px solid #24573e;
    border-radius: 5px;
    color: #ffffff;
    padding: 2px 10px;
}

QPushButton:hover {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #4aa377, stop: 1 #347d59);
}

QPushButton:pressed {
    background: #24573e;
}

/* The focused button: a brass edge wide enough to see at a glance. */
QPushButton:focus {
    border: 2px solid #e0b440;
    padding: 1px 9px;
}

QPushButton:disabled {
    background: #b9c4bd;
    border-color: #a3ada6;
    color: #eef1ef;
}

/* Progress: a brass bar on a pale track. */
QProgressBar {
    background: #ffffff;
    border: 1px solid #c9c3b4;
    border-radius: 5px;
    color: #1f2a24;
    text-align: center;
}

QProgressBar::chunk {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #e6c66a, stop: 1 #c99a2e);
    border-radius: 4px;
}

QScrollBar:vertical {
    background: #f3f1ec;
    width: 10px;
    margin: 0;
}

QScrollBar::handle:vertical {
    background: #b7c9bd;
    border-radius: 4px;
    min-height: 24px;
}

QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
    height: 0;
}
